// The workbench's stand-in for message boxes: keeps the last texts for the tests.
#ifndef _WIN32
#include <cstring>

#include "user_message.h"

namespace {
char recorded[kRecordedMessageCapacity][kRecordedMessageLength];
int recordedCount = 0;
}  // namespace

void ShowUserMessage(const char* text) {
  if (recordedCount == kRecordedMessageCapacity) {
    std::memmove(recorded[0], recorded[1], sizeof recorded - sizeof recorded[0]);
    --recordedCount;
  }
  std::strncpy(recorded[recordedCount], text ? text : "", kRecordedMessageLength - 1);
  recorded[recordedCount][kRecordedMessageLength - 1] = '\0';
  ++recordedCount;
}

int RecordedUserMessageCount() { return recordedCount; }

const char* RecordedUserMessage(int index) {
  return index >= 0 && index < recordedCount ? recorded[index] : "";
}

void ClearRecordedUserMessages() { recordedCount = 0; }
#endif
