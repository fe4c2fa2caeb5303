#include "audio/ErrorReason.h"

#include "audio/Translation.h"

#include <string.h>

std::string ErrorReason(int error) {
    if (error == 0)
        return {};
    // The English text whatever the locale: it is the key of Qt's catalogue.
    const char* text = ::strerrordesc_np(error);
    if (text == nullptr)
        return "error " + std::to_string(error);
    return Tr("QIODevice", text);
}
