#pragma once

#include <functional>
#include <initializer_list>
#include <string>

// The core's user-visible texts, written in English at each use. A front end
// may install a translator (the dialog does; the terminal stays English). The
// catalogue tool finds the texts as the calls Tr("Job", "...").
std::string Tr(const char* context, const char* text);

using Translator = std::function<std::string(const char* context, const char* text)>;
// Installs the translator that Tr calls and returns the one it replaces.
Translator SetTranslator(Translator translator);

// Puts the arguments in place of %1, %2 ... in one pass, so that a "%2" inside
// an argument (a file name, say) stays as it is.
std::string FormatText(const std::string& text, std::initializer_list<std::string> args);
