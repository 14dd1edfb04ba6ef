#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryFile>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <vector>

// The English translation of the front end's texts (src/gui/translations/ferrovane_en.ts)
// against itself and against the sources: every entry finished and in English, every
// Japanese text in the sources wrapped for translation and found in the file.

namespace {

const QString GuiSources = QStringLiteral(FERROVANE_GUI_SOURCE_DIR);
const QString TsPath = GuiSources + QStringLiteral("/translations/ferrovane_en.ts");

bool HasJapanese(const QString& text) {
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30ff}\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return japanese.match(text).hasMatch();
}

struct Entry {
    QString Context, Source, Translation, Type;
};

std::vector<Entry> ReadTs(const QString& path) {
    std::vector<Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return entries;
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == QLatin1String("message"))
                entries.push_back(entry);
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            entry = Entry{context, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            entry.Source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            entry.Type = xml.attributes().value(QLatin1String("type")).toString();
            entry.Translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return entries;
}

// The mnemonic letter a text marks with '&' ("&&" is a plain '&'); empty when none.
QString Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text.mid(i + 1, 1);
    }
    return {};
}

QSet<QString> Placeholders(const QString& text) {
    QSet<QString> found;
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}

// A string literal of the sources, with the code just before it (comments left out).
struct Literal {
    QString File;
    int Line = 0;
    QString Text;
    QString Before;
    bool MarkedUntranslated = false;
};

// Reads the string literals of one C++ source. Comments are skipped; a line whose
// comment begins "untranslated:" marks its literals as texts that are not the
// program's words (a font's name, say).
std::vector<Literal> Literals(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QString source = QString::fromUtf8(file.readAll());
    std::vector<Literal> literals;
    QString code; // the source without its comments
    QSet<int> untranslatedLines;
    int line = 1;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        const QChar next = i + 1 < source.size() ? source[i + 1] : QChar();
        if (c == QLatin1Char('\n')) ++line;
        if (c == QLatin1Char('/') && next == QLatin1Char('/')) {
            const qsizetype end = source.indexOf(QLatin1Char('\n'), i);
            const QString comment = source.mid(i + 2, end < 0 ? -1 : end - i - 2).trimmed();
            if (comment.startsWith(QLatin1String("untranslated:"))) untranslatedLines.insert(line);
            i = (end < 0 ? source.size() : end) - 1;
        } else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            const qsizetype end = source.indexOf(QLatin1String("*/"), i + 2);
            line += static_cast<int>(source.mid(i, end - i).count(QLatin1Char('\n')));
            i = end + 1;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            qsizetype j = i + 1;
            QString text;
            while (j < source.size() && source[j] != c) {
                if (source[j] == QLatin1Char('\\')) text += source[j++];
                text += source[j++];
            }
            if (c == QLatin1Char('"'))
                literals.push_back({path, line, text, code.right(120), false});
            code += c + text + c;
            i = j;
        } else {
            code += c;
        }
    }
    for (Literal& l : literals)
        l.MarkedUntranslated = untranslatedLines.contains(l.Line);
    return literals;
}

std::vector<Literal> JapaneseLiteralsOfTheSources() {
    std::vector<Literal> found;
    QDirIterator it(GuiSources, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        for (Literal& l : Literals(it.next()))
            if (HasJapanese(l.Text)) found.push_back(l);
    return found;
}

// The literal is the text of tr(), QCoreApplication::translate() or their no-op marks.
bool Wrapped(const Literal& l) {
    static const QRegularExpression wrapper(
        QStringLiteral("(\\btr|\\bQT_TR_NOOP|\\btranslate\\(\\s*\"[^\"]*\"\\s*,|"
                       "\\bQT_TRANSLATE_NOOP\\(\\s*\"[^\"]*\"\\s*,)\\s*\\(?\\s*$"));
    return wrapper.match(l.Before).hasMatch();
}

std::string Where(const Literal& l) {
    return (l.File.mid(GuiSources.size() + 1) + QLatin1Char(':') + QString::number(l.Line) +
            QStringLiteral(": \"") + l.Text + QLatin1Char('"'))
        .toStdString();
}

TEST(TranslationFile, EveryEntryIsFinishedInEnglish) {
    const std::vector<Entry> entries = ReadTs(TsPath);
    ASSERT_GT(entries.size(), 150u) << TsPath.toStdString();
    for (const Entry& e : entries) {
        const std::string what = (e.Context + QStringLiteral(" / ") + e.Source).toStdString();
        // Unfinished, obsolete and vanished entries all say so in their type.
        EXPECT_TRUE(e.Type.isEmpty()) << what << " is " << e.Type.toStdString();
        EXPECT_FALSE(e.Translation.trimmed().isEmpty()) << what;
        EXPECT_FALSE(HasJapanese(e.Translation)) << what << " -> " << e.Translation.toStdString();
        // Contexts are the classes' full names, as Qt asks for them at run time.
        EXPECT_TRUE(e.Context.startsWith(QLatin1String("ferrovane::gui::"))) << what;
    }
}

TEST(TranslationFile, TranslationsKeepMnemonicsPlaceholdersAndEllipses) {
    for (const Entry& e : ReadTs(TsPath)) {
        const std::string what = (e.Source + QStringLiteral(" -> ") + e.Translation).toStdString();
        EXPECT_EQ(Mnemonic(e.Source).isEmpty(), Mnemonic(e.Translation).isEmpty()) << what;
        EXPECT_EQ(e.Source.count(QLatin1String("&&")), e.Translation.count(QLatin1String("&&")))
            << what;
        EXPECT_EQ(Placeholders(e.Source), Placeholders(e.Translation)) << what;
        EXPECT_EQ(e.Source.endsWith(QLatin1String("...")),
                  e.Translation.endsWith(QLatin1String("...")))
            << what;
    }
}

TEST(TranslationFile, NoTwoEntriesOfAWindowGiveOneMnemonicTwice) {
    // Captions of one window that share a mnemonic in Japanese may share it in English;
    // any other clash would make a key reach the wrong control.
    QMap<QString, QMap<QString, QSet<QString>>> japaneseByEnglish; // context, letter
    for (const Entry& e : ReadTs(TsPath)) {
        const QString english = Mnemonic(e.Translation).toLower();
        if (!english.isEmpty())
            japaneseByEnglish[e.Context][english].insert(Mnemonic(e.Source).toLower());
    }
    // The main window's menus are separate groups of keys; only the menu titles share a
    // group, and they are checked below.
    japaneseByEnglish.remove(QStringLiteral("ferrovane::gui::frmMain"));
    for (auto context = japaneseByEnglish.cbegin(); context != japaneseByEnglish.cend(); ++context)
        for (auto letter = context->cbegin(); letter != context->cend(); ++letter)
            EXPECT_EQ(letter->size(), 1)
                << context.key().toStdString() << " gives &" << letter.key().toStdString()
                << " to texts of different Japanese mnemonics";
}

TEST(TranslationSources, EveryJapaneseLiteralIsWrappedForTranslation) {
    const std::vector<Literal> literals = JapaneseLiteralsOfTheSources();
    ASSERT_FALSE(literals.empty());
    for (const Literal& l : literals)
        EXPECT_TRUE(l.MarkedUntranslated || Wrapped(l))
            << Where(l) << " is shown untranslated: wrap it in tr() or translate()";
}

TEST(TranslationSources, TheFileHoldsEveryTextOfTheSourcesAndNoOther) {
    QSet<QString> inFile;
    for (const Entry& e : ReadTs(TsPath))
        inFile.insert(e.Source);
    QSet<QString> inSources;
    for (const Literal& l : JapaneseLiteralsOfTheSources()) {
        if (l.MarkedUntranslated) continue;
        inSources.insert(l.Text);
        EXPECT_TRUE(inFile.contains(l.Text))
            << Where(l) << " is missing from the translation (scripts/update-translations.sh)";
    }
    for (const QString& source : inFile)
        EXPECT_TRUE(inSources.contains(source))
            << "\"" << source.toStdString() << "\" is no longer in the sources";
}

TEST(TranslationSources, TheReaderFindsWrappedAndBareLiterals) {
    // The source reader itself, on a made-up file: comments skipped, wrappers seen.
    QTemporaryFile file(QStringLiteral("XXXXXX.cpp"));
    ASSERT_TRUE(file.open());
    file.write(R"src(// "コメント" is no text
auto a = tr("ファイル(&F)");
    auto b = QCoreApplication::translate("ferrovane::gui::frmOption", "自動");
    auto c = QStringLiteral("素の文字"); /* "これも" */
    const char* d = QT_TRANSLATE_NOOP("ferrovane::gui::frmTool", "長さ");
    auto e = QStringLiteral("ＭＳ ゴシック"); // untranslated: a font's name
    auto f = label('"', "右向き");
)src");
    file.close();
    std::vector<std::pair<QString, bool>> seen; // text, counted as translated
    for (const Literal& l : Literals(file.fileName()))
        if (HasJapanese(l.Text)) seen.emplace_back(l.Text, l.MarkedUntranslated || Wrapped(l));
    const std::vector<std::pair<QString, bool>> expected = {
        {QStringLiteral("ファイル(&F)"), true},  {QStringLiteral("自動"), true},
        {QStringLiteral("素の文字"), false},     {QStringLiteral("長さ"), true},
        {QStringLiteral("ＭＳ ゴシック"), true}, {QStringLiteral("右向き"), false},
    };
    EXPECT_EQ(seen, expected);
}

} // namespace
