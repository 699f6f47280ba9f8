# the uninstall link a cut left alone is never removed
# file: setup/setup_options.cpp
72s/StartMenuLinkExists(StartMenuLinks::Either)/StartMenuLinkExists()/
