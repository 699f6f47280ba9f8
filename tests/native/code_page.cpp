#include "code_page.h"

#include "base/path_chars.h"

int TestCodePage = 0;

bool IsLeadByte(unsigned char byte)
{
    return TestCodePage == 932 && ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC));
}
