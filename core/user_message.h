// A message to the user outside any dialog: a message box with an OK button on Windows. The
// engine reports through this hook and never talks to the window system itself.
#pragma once

void ShowUserMessage(const char* text);

#ifndef _WIN32
// The workbench build records the messages instead of showing them, for the tests to read.
constexpr int kRecordedMessageCapacity = 16;
constexpr int kRecordedMessageLength = 64;
int RecordedUserMessageCount();
// Message number index (0 = oldest kept), or "" when there is none.
const char* RecordedUserMessage(int index);
void ClearRecordedUserMessages();
#endif
