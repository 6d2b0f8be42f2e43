// The quiz screen's side band, pointer tracking, viewers, countdown and layout.
#include "ui/Twips.h"

#include "quiz/frmBrano.h"
#include "quiz/frmImmagineDyn.h"

#include "tools/Encoder.h"

#include "QuizScreenFixture.h"

#include <QPushButton>

namespace {

int T(int twips) { return Twips::ToPixels(twips); }

// The colour the widget writes its text in.
QColor TextColour(QWidget* w) { return w->palette().color(w->foregroundRole()); }

// What a side-band button paints just inside its border.
QColor Painted(QWidget* button)
{
    const QImage image = button->grab().toImage();
    return image.pixelColor(1, image.height() / 2);
}

// True when the label's wrapped text fits inside it.
bool Fits(const QLabel* label)
{
    const QRect need = QFontMetrics(label->font())
                           .boundingRect(QRect(0, 0, label->width(), 1 << 20), Qt::AlignLeft | Qt::TextWordWrap,
                                         label->text());
    return need.height() <= label->height() && need.width() <= label->width();
}

}  // namespace

TEST_F(QuizScreenTest, PointerTrackingPaintsTheBoxUnderThePointerAndRevealsTheCorrectOne)
{
    QPointer<frmMain> quiz = OpenQuiz();
    QPoint pointer;
    frmMain::SetPointerSource([&] { return quiz->mapToGlobal(pointer); });
    auto* box0 = Child<QWidget>(quiz, "picBoxRisposta0");
    auto* box1 = Child<QWidget>(quiz, "picBoxRisposta1");
    auto states = [&] {
        quiz->PointerTick();
        std::vector<int> s;
        for (int i = 0; i < 4; ++i) s.push_back(quiz->AnswerState(i));
        return s;
    };

    pointer = box1->geometry().center();
    EXPECT_EQ(states(), (std::vector<int>{0, 1, 0, 0}));
    // The pixel between two boxes belongs to neither.
    pointer = QPoint(box0->geometry().center().x(), box0->y() + box0->height() + 1);
    ASSERT_LT(pointer.y(), box1->y());
    EXPECT_EQ(states(), (std::vector<int>{0, 0, 0, 0}));
    // The first question's correct answer is B.
    auto* reveal = Child<QWidget>(quiz, "cmdRispostaCorretta");
    pointer = reveal->mapTo(quiz, reveal->rect().bottomRight() + QPoint(1, 1));
    EXPECT_EQ(states(), (std::vector<int>{0, 2, 0, 0}));
    EXPECT_EQ(box1->palette().color(QPalette::Window), QColor(192, 255, 255));
    pointer = QPoint(1, 1);
    EXPECT_EQ(states(), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_TRUE(Child<QTimer>(quiz, "timUI")->isActive());

    QTest::mouseClick(reveal, Qt::LeftButton);
    const auto told = MessagesTitled("Tessarondequiz");
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].text, "La risposta corretta per questa domanda è la 'B'.");
    EXPECT_EQ(told[0].icon, MessageIcon::Information);

    // A click on the letter or the strip answers too.
    QTest::mouseClick(Child<QWidget>(quiz, "lbLetter2"), Qt::LeftButton);
    EXPECT_EQ(set->Item(1)->RispostaData, 3);
    QTest::mouseClick(Child<QWidget>(quiz, "picRispSide0"), Qt::LeftButton);
    EXPECT_EQ(set->Item(2)->RispostaData, 1);
}

TEST_F(QuizScreenTest, MarkingPanelTogglesTheErrataMark)
{
    QPointer<frmMain> quiz = OpenQuiz();
    auto* button = Child<QPushButton>(quiz, "cmdAddRipetere");
    EXPECT_EQ(Text(quiz, "lbDaRipetere"), "");
    EXPECT_EQ(button->text(), "Clicca qui per contrassegnare questo quesito come \"ERRATO\"");
    EXPECT_EQ(button->geometry(), QRect(T(90), T(30), T(1620), T(1515)));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(Text(quiz, "lbDaRipetere"), "Questa domanda è contrassegnata come \"ERRATA\".");
    EXPECT_EQ(button->text(), "Clicca qui per rimuoverla dalla lista");
    EXPECT_EQ(button->geometry(), QRect(T(90), T(750), T(1620), T(795)));
    EXPECT_EQ(ModGlobal::RecordStore->ReadRecord(1).bnUltimoEsito, 2);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(ModGlobal::RecordStore->ReadRecord(1), (cRecordSpec{1, 0, 0, 0, 1}));
    EXPECT_EQ(Text(quiz, "lbnVisual"), "0");
}

TEST_F(QuizScreenTest, ThemeColoursAndTheBrightLookDarkensTheBandLabels)
{
    QPointer<frmMain> quiz = OpenQuiz(-1, "bright");
    EXPECT_EQ(quiz->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(Child<QWidget>(quiz, "picSide")->palette().color(QPalette::Window), QColor(224, 224, 224));
    EXPECT_EQ(TextColour(Child<QWidget>(quiz, "lbNumero")), QColor(0, 0, 0));
    EXPECT_EQ(TextColour(Child<QWidget>(quiz, "lbhdrVisual")), QColor(96, 96, 96));
    EXPECT_EQ(TextColour(Child<QWidget>(quiz, "lbnVisual")), QColor(208, 48, 208));
    EXPECT_EQ(Painted(Child<QWidget>(quiz, "cmdRispostaCorretta")), QColor(255, 171, 255));
    EXPECT_EQ(Child<QWidget>(quiz, "picBoxRisposta0")->palette().color(QPalette::Window), QColor(255, 224, 192));
    EXPECT_EQ(Text(quiz, "lbNumero"), "Quesito n.1 su 12 totali - (codice 1)");
    EXPECT_EQ(Text(quiz, "lbDifficolta"), "facile");
    EXPECT_EQ(TextColour(Child<QWidget>(quiz, "lbDifficolta")), QColor(0, 192, 0));
    EXPECT_EQ(Text(quiz, "lbContaRisposte"), "Risposte esatte: 0 su 0");

    // Every control can be named by a screen reader.
    for (QWidget* child : quiz->findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(child) || child->objectName().isEmpty() || child->objectName().startsWith("qt_"))
            continue;
        const auto* button = qobject_cast<QAbstractButton*>(child);
        EXPECT_TRUE(!child->accessibleName().isEmpty() || (button && !button->text().isEmpty()))
            << child->objectName().toStdString();
    }
    quiz->close();

    quiz = OpenQuiz(-1, "dark");
    EXPECT_EQ(TextColour(Child<QWidget>(quiz, "lbhdrVisual")), QColor(192, 192, 192));
    EXPECT_EQ(TextColour(Child<QWidget>(quiz, "lbRisposta0")), QColor(255, 255, 255));
    EXPECT_EQ(TextColour(Child<QWidget>(quiz, "lbLetter0")), QColor(96, 96, 96));
    const std::pair<const char*, QColor> band[] = {{"cmdSalva", {255, 192, 192}},
                                                   {"cmdRispDopo", {255, 224, 192}},
                                                   {"cmdLeggiBrano", {255, 0, 0}},
                                                   {"cmdRispostaCorretta", {255, 128, 255}},
                                                   {"cmdAddRipetere", {192, 192, 255}}};
    for (const auto& [name, colour] : band) EXPECT_EQ(Painted(Child<QWidget>(quiz, name)), colour) << name;
}

TEST_F(QuizScreenTest, CancelledQuestionIsAnnouncedAfterItIsShown)
{
    QPointer<frmMain> quiz = OpenQuiz(3);
    ASSERT_EQ(quiz->Session().CurrentIndex(), 4);
    const auto notices = MessagesTitled("Quesito annullato");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].icon, MessageIcon::Information);
    EXPECT_TRUE(notices[0].text.endsWith("la lettera  --A--"));
    EXPECT_EQ(Text(quiz, "lbDifficolta"), "");
    EXPECT_TRUE(Child<QPushButton>(quiz, "cmdLeggiBrano")->isHidden());
}

TEST_F(QuizScreenTest, PassageExplanationAndImageViewers)
{
    bool trackingWhileOpen = true;
    QString title;
    QString text;
    QSize size;
    closer.onDialog = [&](QDialog* d) {
        trackingWhileOpen = d->parentWidget()->findChild<QTimer*>("timUI")->isActive();
        title = d->windowTitle();
        size = d->size();
        if (auto* brano = qobject_cast<frmBrano*>(d)) text = brano->Text();
    };

    QPointer<frmMain> quiz = OpenQuiz(4);  // 101: a passage
    auto* button = Child<QPushButton>(quiz, "cmdLeggiBrano");
    EXPECT_EQ(button->text(), "Leggi Brano");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(title, "Brano");
    EXPECT_TRUE(text.startsWith("Ove non sia diversamente stabilito"));
    EXPECT_FALSE(trackingWhileOpen);
    EXPECT_TRUE(Child<QTimer>(quiz, "timUI")->isActive());
    quiz->close();

    quiz = OpenQuiz(5);  // 102: an explanation only
    button = Child<QPushButton>(quiz, "cmdLeggiBrano");
    EXPECT_EQ(button->text(), "Spiegazione");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(title, "Spiegazione");
    EXPECT_TRUE(text.endsWith("competente.\r\n\r\n"));
    quiz->close();

    fs::copy_file(Fixtures::Dir() / "sequenza.png", ProgramDir() / "sequenza.png");
    const QSize picture = QPixmap(QString::fromStdString((ProgramDir() / "sequenza.png").string())).size();
    ASSERT_FALSE(picture.isEmpty());
    quiz = OpenQuiz(8);  // 201: an image
    button = Child<QPushButton>(quiz, "cmdLeggiBrano");
    EXPECT_EQ(button->text(), "Vedi immagine");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(title, "Immagine");
    EXPECT_EQ(size.width(), std::max(picture.width(), T(1800)) + T(240));
    EXPECT_EQ(size.height(), T(375) + picture.height() + T(800));

    // A missing picture: an empty window of the smallest width, and no message.
    fs::remove(ProgramDir() / "sequenza.png");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(size.width(), T(1800) + T(240));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(closer.seen.size(), 4u);
}

TEST_F(QuizScreenTest, ImageNamesPaddedOrWithWindowsSeparatorsAreFound)
{
    fs::create_directories(ProgramDir() / "imm");
    fs::copy_file(Fixtures::Dir() / "sequenza.png", ProgramDir() / "imm" / "figura.png");
    auto q = std::make_shared<cQuesito>();
    q->Immagine = Encoder::Encode("imm\\figura.png");  // 14 characters: padded to 15
    EXPECT_EQ(frmImmagineDyn::ImagePath(*q), ProgramDir() / "imm" / "figura.png");
    frmImmagineDyn viewer(q);
    auto* picture = Child<QLabel>(&viewer, "picImg");
    EXPECT_EQ(picture->pixmap().size(), QSize(8, 8));
    EXPECT_EQ(viewer.size(), QSize(T(1800) + T(240), T(375) + 8 + T(800)));
}

TEST_F(QuizScreenTest, CountdownShowsTheTimeAndExpiresOnce)
{
    QPointer<frmMain> quiz = OpenQuiz();
    EXPECT_TRUE(Child<QWidget>(quiz, "lbTempo")->isHidden());
    EXPECT_TRUE(Child<QWidget>(quiz, "lbHdrTempo")->isHidden());
    EXPECT_FALSE(Child<QTimer>(quiz, "timCountDown")->isActive());
    quiz->close();

    ModGlobal::TimeLimitMinutes = 1;
    quiz = OpenQuiz();
    auto* time = Child<QLabel>(quiz, "lbTempo");
    EXPECT_FALSE(time->isHidden());
    EXPECT_EQ(time->text(), "00:01:00");
    EXPECT_EQ(time->y(), T(8700));
    EXPECT_TRUE(Child<QTimer>(quiz, "timCountDown")->isActive());
    for (int i = 0; i < 65; ++i) quiz->CountdownTick();
    EXPECT_EQ(time->text(), "00:00:00");
    const auto expired = MessagesTitled("Attenzione!");
    ASSERT_EQ(expired.size(), 1u);
    EXPECT_EQ(expired[0].text, "\r\n!!! TEMPO SCADUTO !!!\r\n \r\n");
    EXPECT_EQ(expired[0].icon, MessageIcon::Critical);
    EXPECT_FALSE(Child<QTimer>(quiz, "timCountDown")->isActive());
}

TEST_F(QuizScreenTest, LongTextsStayReadableAtEverySize)
{
    std::string longQuestion;
    while (longQuestion.size() < 1000) longQuestion += "Testo del quesito molto lungo, con parole ripetute. ";
    std::string longAnswer;
    while (longAnswer.size() < 250) longAnswer += "risposta lunga e articolata ";
    std::string bank = "AM:Argomento\r\nNR:5\r\nQI:1,1,1,1\r\nQD:" + Encoder::Encode(longQuestion) + "\r\n";
    for (int r = 1; r <= 5; ++r) bank += "R" + std::to_string(r) + ":" + Encoder::Encode(longAnswer) + "\r\n";
    WriteBank(bank);

    QPointer<frmMain> quiz = OpenQuiz();
    auto check = [&](const char* when) {
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        EXPECT_TRUE(Fits(Child<QLabel>(quiz, "lbQuesito"))) << when;
        for (int i = 0; i < 5; ++i) {
            auto* box = Child<QWidget>(quiz, QStringLiteral("picBoxRisposta%1").arg(i));
            EXPECT_TRUE(Fits(Child<QLabel>(quiz, QStringLiteral("lbRisposta%1").arg(i)))) << when << " " << i;
            EXPECT_LE(box->geometry().bottom(), quiz->height()) << when << " " << i;
        }
    };
    check("initial");
    quiz->resize(quiz->minimumSize());
    check("smallest");
    quiz->resize(1270, 1000);
    check("large");
}

TEST_F(QuizScreenTest, QuizRunsWithoutItsStatisticsFile)
{
    fs::create_directories(RecordPath());  // a folder where the file should be
    QPointer<frmMain> quiz = OpenQuiz();
    ASSERT_TRUE(ModGlobal::RecordStore);
    EXPECT_FALSE(ModGlobal::RecordStore->Initialized());
    EXPECT_EQ(Text(quiz, "lbnVisual"), "0");
    QTest::keyClick(quiz, Qt::Key_B);
    QTest::mouseClick(Child<QWidget>(quiz, "cmdAddRipetere"), Qt::LeftButton);
    EXPECT_EQ(set->Item(1)->RispostaData, 2);
    EXPECT_EQ(quiz->Session().CurrentIndex(), 2);
    EXPECT_EQ(closer.seen, std::vector<QString>{"frmMessage"});
}
