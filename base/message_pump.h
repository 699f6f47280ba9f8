// Long work on the Launcher's one thread (a copy, a wait for another
// process) keeps its windows alive by serving their messages in between.
#pragma once

// Dispatches every message waiting for the thread's windows, so that
// dialogs repaint and Cancel works during long work.
void PumpMessages();
