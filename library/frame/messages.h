// The library's message texts, in Japanese and English.
#pragma once

// "Tesalo is not initialized." naming the function that refused (Japanese text only).
void ShowNotInitialized(const char16_t* function);
void ShowMemoryError();

extern const char16_t kTextAlreadyInitializedJa[];
extern const char16_t kTextAlreadyInitializedEn[];
extern const char16_t kTextBlockRefusedJa[];
extern const char16_t kTextBlockRefusedEn[];
extern const char16_t kTextNotPreparedJa[];
extern const char16_t kTextNotPreparedEn[];
extern const char16_t kTextBufferOverJa[];
extern const char16_t kTextBufferOverEn[];
