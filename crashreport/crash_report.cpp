#include "crashreport/crash_report.h"

#include <windows.h>
#include <mapi.h>

#include <iterator>

#include "base/dll_search.h"
#include "base/format.h"
#include "base/messages.h"
#include "base/platform.h"
#include "base/product.h"
#include "crashreport/log_path.h"

constexpr char MailSubject[] = "Thundra Crashed!";
constexpr char MailNote[] = "If you wish, please add your comments here.";

// The mail program shows its compose window; false when nothing was sent,
// the user's cancel included.
static bool SendLogByMail()
{
    HMODULE mapi = LoadSystemLibrary("mapi32.dll");
    if (mapi == nullptr)
        return false;
    auto sendMail = ProcAs<LPMAPISENDMAIL>(Sys.GetProcAddress(mapi, "MAPISendMail"));
    if (sendMail == nullptr)
        return false;

    char address[std::size(BugReportAddress)];
    char logFileName[std::size(GameLogName)];
    char subject[std::size(MailSubject)];
    char note[std::size(MailNote)];
    // Simple MAPI takes writable texts.
    FormatInto(address, std::size(address), "%s", BugReportAddress);
    FormatInto(logFileName, std::size(logFileName), "%s", GameLogName);
    FormatInto(subject, std::size(subject), "%s", MailSubject);
    FormatInto(note, std::size(note), "%s", MailNote);

    MapiRecipDesc recipient = {};
    recipient.ulRecipClass = MAPI_TO;
    recipient.lpszName = address;
    recipient.lpszAddress = address;

    MapiFileDesc attachment = {};
    attachment.nPosition = static_cast<ULONG>(-1);   // not placed inside the note
    attachment.lpszPathName = const_cast<char*>(GetLogPath());
    attachment.lpszFileName = logFileName;

    MapiMessage message = {};
    message.lpszSubject = subject;
    message.lpszNoteText = note;
    message.nRecipCount = 1;
    message.lpRecips = &recipient;
    message.nFileCount = 1;
    message.lpFiles = &attachment;

    return sendMail(0, 0, &message, MAPI_DIALOG, 0) == SUCCESS_SUCCESS;
}

void OfferCrashReport()
{
    char question[MessageSize];
    FormatInto(question, std::size(question),
               "Ostro would love to get information about this crash.  Would it be ok to mail the logfile to %s?",
               BugReportAddress);
    if (!AskYesNo(question))
        return;
    if (!SendLogByMail())
        ShowFatal("Couldn't send mail to %s.  Oh well.", BugReportAddress);
}
