// The one way text is built into a fixed buffer.
#pragma once
#include <stdarg.h>
#include <stddef.h>

#if defined(__MINGW32__)
#define FORMAT_CHECK(fmt, args) __attribute__((format(ms_printf, fmt, args)))
#else
#define FORMAT_CHECK(fmt, args) __attribute__((format(printf, fmt, args)))
#endif

// Formats into buf, which is always terminated (when size > 0). Returns true
// only when the whole text fit; on false the buffer holds a cut text that a
// caller must not use where a cut changes meaning.
bool FormatInto(char* buf, size_t size, const char* format, ...) FORMAT_CHECK(3, 4);
bool FormatIntoV(char* buf, size_t size, const char* format, va_list args);

// Appends to the terminated text in buf; same contract as FormatInto.
bool AppendInto(char* buf, size_t size, const char* format, ...) FORMAT_CHECK(3, 4);

// Copies text into buf, whole when it fits; otherwise its start and the end
// of its last path, with "..." between them, so that a box still says what
// it is about and which file. Always terminated; size must exceed 4.
void ShortenInto(char* buf, size_t size, const char* text);
