// The skin loader: any bytes are accepted as a skin or refused with SkinError. An accepted
// skin's style sheet, as the component writes it, is itself an accepted skin with the same
// rules.

#include "skin_framework.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SkinFramework skin;
    try {
        skin.LoadSkinText(
            QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const SkinError&) {
        return 0;
    }
    const QString sheet = skin.styleSheet();
    try {
        const auto original = SkinFramework::parse(QString::fromUtf8(
            QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))));
        const auto again = SkinFramework::parse(sheet);
        if (again.size() != original.size())
            std::abort();
        for (qsizetype i = 0; i < again.size(); ++i)
            if (again[i].selectors != original[i].selectors ||
                again[i].declarations != original[i].declarations)
                std::abort();
    } catch (const SkinError&) {
        std::abort();
    }
    return 0;
}
