#include "skin_framework.h"

#include <QApplication>
#include <QFile>
#include <QStringDecoder>
#include <QWidget>

namespace {

constexpr qsizetype kMaxSkinSize = 1024 * 1024;

[[noreturn]] void fail(int line, const char* what) {
    throw SkinError("The skin file is not valid (line " + std::to_string(line) + "): " + what);
}

bool isFontProperty(const QString& p) {
    return p == QLatin1String("font") || p.startsWith(QLatin1String("font-"));
}

bool isGeometryProperty(const QString& p) {
    static const QStringList exact{
        QStringLiteral("width"),      QStringLiteral("height"),    QStringLiteral("min-width"),
        QStringLiteral("min-height"), QStringLiteral("max-width"), QStringLiteral("max-height"),
        QStringLiteral("spacing"),    QStringLiteral("border"),    QStringLiteral("border-width")};
    if (exact.contains(p) || p.startsWith(QLatin1String("margin")) ||
        p.startsWith(QLatin1String("padding")))
        return true;
    return p.startsWith(QLatin1String("border-")) && p.endsWith(QLatin1String("-width"));
}

} // namespace

QList<SkinRule> SkinFramework::parse(const QString& text) {
    QList<SkinRule> rules;
    int line = 1;
    QString selectors, declaration;
    SkinRule current;
    bool inRule = false;
    auto finishDeclaration = [&] {
        const QString d = declaration.trimmed();
        declaration.clear();
        if (d.isEmpty())
            return;
        const qsizetype colon = d.indexOf(QLatin1Char(':'));
        const QString property = d.left(colon).trimmed().toLower();
        if (colon <= 0 || property.isEmpty() || d.mid(colon + 1).trimmed().isEmpty())
            fail(line, "a declaration needs a property, a colon and a value");
        for (QChar c : property)
            if (!(c.isLetterOrNumber() || c == QLatin1Char('-')))
                fail(line, "a property name may hold only letters, digits and hyphens");
        current.declarations.append({property, d.mid(colon + 1).trimmed()});
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\n'))
            ++line;
        if (c == QLatin1Char('/') && i + 1 < text.size() && text[i + 1] == QLatin1Char('*')) {
            const qsizetype end = text.indexOf(QLatin1String("*/"), i + 2);
            if (end < 0)
                fail(line, "a comment is not closed");
            line += static_cast<int>(QStringView(text).sliced(i, end - i).count(QLatin1Char('\n')));
            // A comment separates what stands around it, as a blank does.
            (inRule ? declaration : selectors) += QLatin1Char(' ');
            i = end + 1;
            continue;
        }
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype end = text.indexOf(c, i + 1);
            if (end < 0 || QStringView(text).sliced(i, end - i).contains(QLatin1Char('\n')))
                fail(line, "a quoted text is not closed on its line");
            (inRule ? declaration : selectors) += text.mid(i, end - i + 1);
            i = end;
            continue;
        }
        if (c == QLatin1Char('{')) {
            if (inRule)
                fail(line, "rules cannot be nested");
            if (selectors.trimmed().isEmpty())
                fail(line, "a rule needs a selector");
            current = SkinRule{selectors.simplified(), {}};
            selectors.clear();
            inRule = true;
        } else if (c == QLatin1Char('}')) {
            if (!inRule)
                fail(line, "a closing brace has no rule");
            finishDeclaration();
            rules.append(current);
            inRule = false;
        } else if (c == QLatin1Char(';') && inRule) {
            finishDeclaration();
        } else if (c == QChar(0)) {
            fail(line, "the file holds a NUL character");
        } else {
            (inRule ? declaration : selectors) += c;
        }
    }
    if (inRule)
        fail(line, "the last rule is not closed");
    if (!selectors.trimmed().isEmpty())
        fail(line, "text after the last rule");
    if (rules.isEmpty())
        fail(line, "the file holds no rule");
    return rules;
}

void SkinFramework::LoadSkinText(const QByteArray& bytes) {
    if (bytes.size() > kMaxSkinSize)
        throw SkinError("The skin file is too large.");
    // Stateless: a sequence cut off at the end of the file is an error too.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        throw SkinError("The skin file is not UTF-8 text.");
    rules_ = parse(text);
    loaded_ = true;
}

void SkinFramework::LoadSkin(const QString& path, const QString& section) {
    Q_UNUSED(section);
    loaded_ = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SkinError("The skin file cannot be opened: " + file.errorString().toStdString());
    if (file.size() > kMaxSkinSize)
        throw SkinError("The skin file is too large.");
    LoadSkinText(file.readAll());
}

QString SkinFramework::styleSheet() const {
    QString sheet;
    for (const SkinRule& rule : rules_) {
        sheet += rule.selectors + QLatin1String(" {\n");
        for (const auto& [property, value] : rule.declarations) {
            if ((keepFonts_ && isFontProperty(property)) ||
                (keepGeometry_ && isGeometryProperty(property)))
                continue;
            sheet += QLatin1String("    ") + property + QLatin1String(": ") + value +
                     QLatin1String(";\n");
        }
        sheet += QLatin1String("}\n");
    }
    return sheet;
}

void SkinFramework::ApplyWindow(QWidget& window) const {
    if (!loaded_)
        throw SkinError("No skin is loaded.");
    if ((options_ & kSkinWholeApplication) && qApp)
        qApp->setStyleSheet(styleSheet());
    else
        window.setStyleSheet(styleSheet());
}
