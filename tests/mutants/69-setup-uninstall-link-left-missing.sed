# a Start menu whose uninstall link a cut left missing is taken for whole
# file: setup/setup_options.cpp
68s/StartMenuLinkExists(StartMenuLinks::Both)/StartMenuLinkExists()/
