#pragma once

#include <string>

// Box kinds and results, with the values the job's texts were written for.
inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_YESNOCANCEL = 0x03;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// The window that owns the job's modal message boxes. The Qt dialog, the
// terminal front end and the tests' recording fake each implement it.
class CMessageBoxOwner {
public:
    // Shows one modal box and returns the button that closed it
    // (IDOK, IDYES, IDNO or IDCANCEL; closing a question box is IDCANCEL).
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned type) = 0;

protected:
    ~CMessageBoxOwner() = default;
};

// A null caption selects the default; any other, even an empty one, is used as given.
void ShowError(CMessageBoxOwner& owner, std::string text, const char* caption = nullptr);
void ShowWarning(CMessageBoxOwner& owner, std::string text, const char* caption = nullptr);
int AskConfirmation(CMessageBoxOwner& owner, std::string text, const char* caption = nullptr);
