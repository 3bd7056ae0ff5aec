#pragma once

#include <QList>
#include <QString>

#include <cstdint>
#include <stdexcept>

class QWidget;

class SkinError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One rule of a skin: selectors and their declarations, as written in the file.
struct SkinRule {
    QString selectors;
    QList<std::pair<QString, QString>> declarations; // property, value
};

// The skinning component. A skin is a Qt style sheet in UTF-8; the component checks it when it
// is loaded and gives it to a window when it is applied.
//
// Options:
//   Options(), bit 0 (kSkinWholeApplication): the skin is set on the application instead of on
//       the window alone, so message boxes and every later window take it too. Other bits are
//       kept as written and have no effect.
//   KeepFonts: font declarations of the skin are left out, so controls keep their fonts.
//   KeepGeometry: declarations that change sizes (width, height, margin, padding, border
//       widths, spacing) are left out, so a skin cannot move or resize the controls of a fixed
//       layout.
class SkinFramework {
public:
    static constexpr std::int32_t kSkinWholeApplication = 1;

    // Reads and checks the skin file; the second text names a section of a multi-skin file and
    // is unused (skin files hold one skin). Raises SkinError when the file cannot be read or is
    // not a skin.
    void LoadSkin(const QString& path, const QString& section);
    // Checks a skin held in memory, as LoadSkin does for a file's contents.
    void LoadSkinText(const QByteArray& bytes);

    std::int32_t Options() const { return options_; }
    void setOptions(std::int32_t options) { options_ = options; }
    bool KeepFonts() const { return keepFonts_; }
    void setKeepFonts(bool on) { keepFonts_ = on; }
    bool KeepGeometry() const { return keepGeometry_; }
    void setKeepGeometry(bool on) { keepGeometry_ = on; }

    // Gives the loaded skin to the window. Raises SkinError when no skin is loaded.
    void ApplyWindow(QWidget& window) const;

    // The style sheet that ApplyWindow sets, with the options in force.
    QString styleSheet() const;
    bool isLoaded() const { return loaded_; }

    // Parses a skin; raises SkinError with the line of the first fault.
    static QList<SkinRule> parse(const QString& text);

private:
    QList<SkinRule> rules_;
    bool loaded_ = false;
    std::int32_t options_ = 0;
    bool keepFonts_ = false;
    bool keepGeometry_ = false;
};
