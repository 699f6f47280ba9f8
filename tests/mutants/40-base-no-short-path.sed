# a profile outside the code page taken without its short form
# file: base/system_folders.cpp
29s/if (length > 0 \&\& length < std::size(shortForm) \&\& ConvertExactly(shortForm, buf))/if (length > 0 \&\& false)/
