// The mail library, as the system folder holds it. Records in
// "mapi-calls.txt" beside the program that sends every field of what the
// Launcher's mail hands over: the call, the message, each recipient and
// each attachment, a line each; sends.
#include <windows.h>
#include <mapi.h>

#include "double_files.h"

static const char* Text(const char* text) { return text != nullptr ? text : "(null)"; }

extern "C" __declspec(dllexport) ULONG WINAPI
    MAPISendMail(LHANDLE session, ULONG_PTR window, lpMapiMessage message, FLAGS flags, ULONG reserved)
{
    char line[1024];
    wsprintfA(line, "MAPISendMail session=0x%lx window=0x%lx flags=0x%lx reserved=%lu",
        static_cast<unsigned long>(session), static_cast<unsigned long>(window), static_cast<unsigned long>(flags),
        reserved);
    AppendRecord("mapi-calls.txt", line, true);
    wsprintfA(line,
        "message reserved=%lu subject=\"%s\" note=\"%s\" type=%s date=%s conversation=%s flags=0x%lx originator=%s",
        message->ulReserved, Text(message->lpszSubject), Text(message->lpszNoteText), Text(message->lpszMessageType),
        Text(message->lpszDateReceived), Text(message->lpszConversationID), message->flFlags,
        message->lpOriginator != nullptr ? Text(message->lpOriginator->lpszName) : "(none)");
    AppendRecord("mapi-calls.txt", line, true);
    for (ULONG i = 0; i < message->nRecipCount; ++i) {
        const MapiRecipDesc& to = message->lpRecips[i];
        wsprintfA(line, "to reserved=%lu class=%lu name=\"%s\" address=\"%s\" entry=%lu", to.ulReserved,
            to.ulRecipClass, Text(to.lpszName), Text(to.lpszAddress), to.ulEIDSize);
        AppendRecord("mapi-calls.txt", line, true);
    }
    for (ULONG i = 0; i < message->nFileCount; ++i) {
        const MapiFileDesc& file = message->lpFiles[i];
        wsprintfA(line, "file reserved=%lu flags=0x%lx position=0x%lx path=\"%s\" name=\"%s\" type=%s", file.ulReserved,
            file.flFlags, file.nPosition, Text(file.lpszPathName), Text(file.lpszFileName),
            file.lpFileType != nullptr ? "(set)" : "(null)");
        AppendRecord("mapi-calls.txt", line, true);
    }
    return SUCCESS_SUCCESS;
}
