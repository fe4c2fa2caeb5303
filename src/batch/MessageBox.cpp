#include "batch/MessageBox.h"

#include "audio/Translation.h"

void ShowError(CMessageBoxOwner& owner, std::string text, const char* caption) {
    owner.MessageBox(text, caption ? std::string(caption) : Tr("Job", "Error"),
                     MB_OK | MB_ICONERROR);
}

void ShowWarning(CMessageBoxOwner& owner, std::string text, const char* caption) {
    owner.MessageBox(text, caption ? std::string(caption) : Tr("Job", "Warning"), MB_OK);
}

int AskConfirmation(CMessageBoxOwner& owner, std::string text, const char* caption) {
    return owner.MessageBox(text, caption ? std::string(caption) : Tr("Job", "Confirmation"),
                            MB_YESNOCANCEL | MB_ICONQUESTION);
}
