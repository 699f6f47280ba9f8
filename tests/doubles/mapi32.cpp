// The mail library. Records in "mapi-calls.txt" what the Launcher's mail
// holds: flags, subject, recipients and attachments, a line each; sends.
#include <windows.h>
#include <mapi.h>

#include "double_files.h"

extern "C" __declspec(dllexport) ULONG WINAPI MAPISendMail(LHANDLE session, ULONG_PTR window, lpMapiMessage message,
                                                           FLAGS flags, ULONG)
{
    char line[1024];
    wsprintfA(line, "MAPISendMail session=0x%lx window=0x%lx flags=0x%lx subject=\"%s\" note=\"%s\"",
              static_cast<unsigned long>(session), static_cast<unsigned long>(window), static_cast<unsigned long>(flags),
              message->lpszSubject, message->lpszNoteText);
    AppendRecord("mapi-calls.txt", line);
    for (ULONG i = 0; i < message->nRecipCount; ++i) {
        wsprintfA(line, "to class=%lu name=\"%s\" address=\"%s\"", message->lpRecips[i].ulRecipClass,
                  message->lpRecips[i].lpszName, message->lpRecips[i].lpszAddress);
        AppendRecord("mapi-calls.txt", line);
    }
    for (ULONG i = 0; i < message->nFileCount; ++i) {
        wsprintfA(line, "file path=\"%s\" name=\"%s\"", message->lpFiles[i].lpszPathName, message->lpFiles[i].lpszFileName);
        AppendRecord("mapi-calls.txt", line);
    }
    return SUCCESS_SUCCESS;
}
