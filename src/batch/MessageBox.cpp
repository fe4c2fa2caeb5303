#include "batch/MessageBox.h"

void ShowError(CMessageBoxOwner& owner, std::string text, const char* caption) {
    owner.MessageBox(text, caption ? caption : "Error", MB_OK | MB_ICONERROR);
}

void ShowWarning(CMessageBoxOwner& owner, std::string text, const char* caption) {
    owner.MessageBox(text, caption ? caption : "Warning", MB_OK);
}

int AskConfirmation(CMessageBoxOwner& owner, std::string text, const char* caption) {
    return owner.MessageBox(text, caption ? caption : "Confirmation",
                            MB_YESNOCANCEL | MB_ICONQUESTION);
}
