// The program's fixed user-visible texts, by number, and the captions of its
// message boxes.
#pragma once

// The text of the number, or the empty text for numbers without one. The
// texts are constants; callers copy them before filling "%s" and "%d".
const char* MessageText(int number);

// Numbers of the texts that code outside the editor shows.
enum MessageNumber {
    kMsgReadError = 235,
    kMsgWriteError = 236,
    kMsgInvalidScript = 237,
    kMsgUnknownItemOnLoad = 239,
    kMsgRunErrorOnLine = 240,
    kMsgScriptTooNew = 241,
    kMsgProductUnusable = 272,
    kMsgProductInvalidOnLoad = 271,
    kMsgPauseQuestion = 290,
    kMsgTrayTip = 291,
};

inline constexpr char kCaptionError[] = "Error";
inline constexpr char kCaptionQuestion[] = "Question";
inline constexpr char kCaptionInformation[] = "Information";
inline constexpr char kCaptionFatalError[] = "Fatal Error";
