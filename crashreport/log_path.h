#pragma once

// The game's log, "thun.log" in the temporary directory. The text lives in
// one buffer that every call overwrites.
const char* GetLogPath();
