// SPDX-License-Identifier: MIT
// The shipped translations. English, every shipped language and a made-up one whose texts are 40 %
// longer and accented keep each template label's text and the widest high-score line inside the
// rectangle the design gives it, broken at words as the labels break them, at the template's font.
// A result recorded in German survives the high-score file's single-byte text.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QTranslator>

#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <memory>

#include "controls/CSkinButton.h"
#include "dialogs/CAnswerDlg.h"
#include "dialogs/CHighScoresDlg.h"
#include "dialogs/CMenuDlg.h"
#include "dialogs/CSettingsDlg.h"
#include "dialogs/HighScoreTexts.h"
#include "platform/dialog/DialogUnits.h"
#include "resources/GameDialogTemplates.h"
#include "scores/HighScoreRecords.h"
#include "scores/ResultSentences.h"
#include "scores/Windows1252.h"
#include "tests/support/ModalRun.h"
#include "tests/support/TemporaryDirectory.h"

namespace {

// English made longer: accented vowels, and a last word that brings the text to 140 %, in letters
// the high-score file can hold. The numbered places stay, so the sentences fill as a real
// language's do.
class PseudoTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        static const QString plain = QStringLiteral("aeiouAEIOU");
        static const QString accented = QStringLiteral("àéîõüÀÉÎÕÜ");
        QString text = QString::fromUtf8(source);
        for (QChar& c : text) {
            if (const auto at = plain.indexOf(c); at >= 0) {
                c = accented[at];
            }
        }
        const auto extra = static_cast<int>(text.size() * 4 / 10);
        return text + QLatin1Char(' ') + QString(extra > 0 ? extra - 1 : 0, QChar(u'ø'));
    }
};

std::unique_ptr<QTranslator> TranslatorFor(const QString& language) {
    if (language == QLatin1String("pseudo")) {
        return std::make_unique<PseudoTranslator>();
    }
    auto translator = std::make_unique<QTranslator>();
    if (language == QLatin1String("en")) {
        return translator;
    }
    EXPECT_TRUE(translator->load(QStringLiteral(":/translations/quinsum_") + language));
    return translator;
}

// Where `text` overflows `rect` when broken at words in `font`; empty when it fits.
QString Overflow(const QString& text, const QSize& rect, const QFont& font) {
    const QFontMetrics metrics(font);
    const QRect needed = metrics.boundingRect(QRect(QPoint(), rect), Qt::AlignLeft | Qt::TextWordWrap, text);
    if (needed.width() <= rect.width() && needed.height() <= rect.height()) {
        return {};
    }
    return QStringLiteral("\"%1\" (%2 wide on one line) needs %3 x %4 in %5 x %6")
        .arg(text)
        .arg(metrics.horizontalAdvance(text))
        .arg(needed.width())
        .arg(needed.height())
        .arg(rect.width())
        .arg(rect.height());
}

// Whether `rect` holds the English `text` made 40 % longer: the made-up language is only held to
// the texts that have that room, since some English texts themselves nearly fill their rectangle.
bool HasRoomForLongerText(const QString& text, const QSize& rect, const QFont& font) {
    const QFontMetrics metrics(font);
    const int lines = std::max(rect.height() / metrics.lineSpacing(), 1);
    return metrics.horizontalAdvance(text) * 14 <= rect.width() * lines * 10;
}

// The widest line the high-score list may show: a new line (marked " ** "), a long name, each
// sentence with each computer title.
std::vector<QString> HighScoreLines() {
    const ScoreTexts texts = TranslatedScoreTexts();
    const std::string name = Utf8ToWindows1252("Maximiliane W.");
    std::vector<QString> lines;
    for (const int computer : {0, 1, 2, 3}) {
        for (const int computerScore : {0, 120, 999}) {
            const std::string sentence = ResultSentence(texts, name, 120, computer, computerScore);
            lines.push_back(QStringLiteral(" ** %1 **").arg(QString::fromStdString(Windows1252ToUtf8(sentence))));
        }
    }
    return lines;
}

// A text to fit: the English source and its translation, in a rectangle at a font.
struct Placed {
    QString english;
    std::function<QString()> shown;
    QSize rect;
    QFont font;
};

std::vector<Placed> TextsToFit() {
    std::vector<Placed> texts;
    for (const DialogTemplate& dialog : GameDialogTemplates()) {
        const QFont font = TemplateFont(dialog.fontFace, dialog.fontPointSize);
        for (const DialogItemTemplate& item : dialog.items) {
            const QSize rect = DialogRectToPixels(item.x, item.y, item.cx, item.cy, dialog.fontPointSize).size();
            const bool scoreLine = item.id >= IDC_FIRST_SCORE_LINE && item.id < IDC_FIRST_SCORE_LINE + 10;
            if (item.id == IDC_FIRST_SCORE_LINE) {
                const std::vector<QString> english = HighScoreLines();
                for (std::size_t line = 0; line < english.size(); ++line) {
                    texts.push_back({english[line], [line] { return HighScoreLines()[line]; }, rect, font});
                }
            } else if (item.kind == ControlClass::Static && (item.style & SS_TYPEMASK) == SS_LEFT &&
                       item.id != IDC_HELP_LINK && !scoreLine) {
                texts.push_back({QString::fromStdString(item.text),
                                 [context = dialog.translationContext, source = item.text] {
                                     return QCoreApplication::translate(context.c_str(), source.c_str());
                                 },
                                 rect, font});
            }
        }
    }
    return texts;
}

// The picture buttons' captions that each dialog, as it opens, has to wrap or shorten.
QStringList CutCaptions() {
    QStringList cut;
    const auto look = [&cut](CDialog& dialog) {
        for (const CSkinButton* button : dialog.findChildren<CSkinButton*>()) {
            if (!button->CaptionIsWhole()) {
                cut << QString::fromStdString(button->GetCaption());
            }
        }
        dialog.EndDialog(IDCANCEL);
    };
    CSettingsDlg settings;
    CMenuDlg menu;
    CHighScoresDlg scores;
    CAnswerDlg challenge;
    for (CDialog* dialog : std::initializer_list<CDialog*>{&settings, &menu, &scores, &challenge}) {
        RunModal(*dialog, look);
    }
    return cut;
}

class TextFit : public testing::TestWithParam<const char*> {};

TEST_P(TextFit, LabelsCaptionsAndHighScoreLinesFitTheirRectangles) {
    const bool madeUp = std::string_view(GetParam()) == "pseudo";
    const std::vector<Placed> texts = TextsToFit();
    const std::unique_ptr<QTranslator> translator = TranslatorFor(QString::fromLatin1(GetParam()));
    QCoreApplication::installTranslator(translator.get());
    QStringList overflows;
    for (const Placed& text : texts) {
        if (madeUp && !HasRoomForLongerText(text.english, text.rect, text.font)) {
            std::cout << "Without room for a longer text: " << text.english.toStdString() << '\n';
            continue;
        }
        overflows << Overflow(text.shown(), text.rect, text.font);
    }
    // The made-up language's longer words are lettered wrapped or shortened, as a language may need.
    if (!madeUp) {
        for (const QString& caption : CutCaptions()) {
            overflows << QStringLiteral("caption \"%1\" wrapped or shortened").arg(caption);
        }
    }
    QCoreApplication::removeTranslator(translator.get());
    overflows.removeAll(QString());
    EXPECT_TRUE(overflows.isEmpty()) << overflows.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit, testing::Values("en", "de", "es", "fr", "it", "nl", "pt", "pseudo"),
                         [](const testing::TestParamInfo<const char*>& language) {
                             return std::string(language.param);
                         });

}  // namespace

// A result recorded in German keeps its accented letters through the file's single-byte text.
TEST(GermanHighScores, AreStoredInTheCodePageAndReadBackUnchanged) {
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(":/translations/quinsum_de")));
    QCoreApplication::installTranslator(&german);
    const TemporaryDirectory folder;
    const std::filesystem::path file = folder / "high scores.dat";
    const std::string sentence = "Jörg Süß-Hérault besiegte den Anfänger-Computer mit 42 Punkten.";

    HighScoreRecords records;
    records.SetTexts(TranslatedScoreTexts());
    QCoreApplication::removeTranslator(&german);
    records.SetFilePath(file);
    records.RecordResult(0, "Jörg Süß-Hérault", 42, 1, "Computer 1", 17, 0);
    ASSERT_EQ(records.SaveHighScores(), 1);

    std::ifstream stream(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(stream), {}};
    EXPECT_NE(bytes.find(Utf8ToWindows1252(sentence)), std::string::npos);
    HighScoreRecords reread;
    reread.SetFilePath(file);
    ASSERT_EQ(reread.LoadHighScores(), 0);
    EXPECT_EQ(reread.LineText(0, 0), sentence);
}
