// The mail library. Control file "mapi-control.txt": "result N". Record
// "mapi-calls.txt": every field of the message it was given, a line each.
#include <windows.h>
#include <mapi.h>

#include <string>

#include "double_files.h"

constexpr char Control[] = "mapi-control.txt";
constexpr char Record[] = "mapi-calls.txt";

#if !defined(WITHOUT_SEND_MAIL)
static std::string Text(const char* text)
{
    return text == nullptr ? "(null)" : "\"" + std::string(text) + "\"";
}

static std::string Number(unsigned long long value)
{
    char text[32];
    wsprintfA(text, "0x%I64x", value);
    return text;
}

extern "C" __declspec(dllexport) ULONG WINAPI MAPISendMail(LHANDLE session, ULONG_PTR window, lpMapiMessage message,
                                                           FLAGS flags, ULONG reserved)
{
    AppendRecord(Record, "MAPISendMail session=" + Number(session) + " window=" + Number(window) +
                             " flags=" + Number(flags) + " reserved=" + Number(reserved));
    AppendRecord(Record, "message reserved=" + Number(message->ulReserved) + " subject=" +
                             Text(message->lpszSubject) + " note=" + Text(message->lpszNoteText) +
                             " type=" + Text(message->lpszMessageType) + " date=" +
                             Text(message->lpszDateReceived) + " conversation=" +
                             Text(message->lpszConversationID) + " flags=" + Number(message->flFlags) +
                             " originator=" + (message->lpOriginator ? "set" : "(null)"));
    AppendRecord(Record, "recipients=" + Number(message->nRecipCount));
    for (ULONG i = 0; i < message->nRecipCount; ++i) {
        const MapiRecipDesc& r = message->lpRecips[i];
        AppendRecord(Record, "recipient reserved=" + Number(r.ulReserved) + " class=" + Number(r.ulRecipClass) +
                                 " name=" + Text(r.lpszName) + " address=" + Text(r.lpszAddress) +
                                 " eidsize=" + Number(r.ulEIDSize) + " eid=" + (r.lpEntryID ? "set" : "(null)"));
    }
    AppendRecord(Record, "files=" + Number(message->nFileCount));
    for (ULONG i = 0; i < message->nFileCount; ++i) {
        const MapiFileDesc& f = message->lpFiles[i];
        AppendRecord(Record, "file reserved=" + Number(f.ulReserved) + " flags=" + Number(f.flFlags) +
                                 " position=" + Number(f.nPosition) + " path=" + Text(f.lpszPathName) +
                                 " name=" + Text(f.lpszFileName) + " type=" + (f.lpFileType ? "set" : "(null)"));
    }
    return static_cast<ULONG>(ReadControl(Control, "result", SUCCESS_SUCCESS));
}
#else
// A library without the entry still needs one export to be a library.
extern "C" __declspec(dllexport) ULONG WINAPI MAPILogoff(LHANDLE, ULONG_PTR, FLAGS, ULONG)
{
    return 0;
}
#endif
