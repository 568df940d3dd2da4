// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu "Fichier" on the desktop: built from its rows, first in the menu bar; a scenario
// saved, copied as a link and opened again; a hostile file said and harmless; the measurements
// of the default run saved to its last step. The file dialogs are replaced by a chooser that
// answers as a user would.
#include "app/file_chooser.h"
#include "form/file_menu.h"
#include "form1_test_support.h"
#include "form/scenario.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

namespace virenast::testing {
namespace {

// Answers each question with the path the test set, as a user choosing a file would.
struct ChosenFiles {
    QString open, save, image;
    std::optional<app::FileChooser::MeasurementsChoice> measurements;
    std::int64_t strideSeen = 0;
    QString nameOffered;  // the last file name a question offered
};

class TestChooser final : public app::FileChooser {
public:
    explicit TestChooser(ChosenFiles& chosen) : chosen_(chosen) {}
    QString scenarioToOpen(QWidget&) override { return chosen_.open; }
    QString scenarioToSave(QWidget&) override { return chosen_.save; }
    std::optional<MeasurementsChoice> measurementsToSave(QWidget&, std::int64_t stride, const QString& name) override
    {
        chosen_.strideSeen = stride;
        chosen_.nameOffered = name;
        return chosen_.measurements;
    }
    QString imageToSave(QWidget&, const QString& name) override
    {
        chosen_.nameOffered = name;
        return chosen_.image;
    }

private:
    ChosenFiles& chosen_;
};

class Form1FileMenu : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        window.setFileChooser(std::make_unique<TestChooser>(chosen));
    }
    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    QScrollBar* scrollBar() { return window.findChild<QScrollBar*>(QStringLiteral("HScroll1")); }

    QTemporaryDir folder;
    app::Form1 window{QLocale(QLocale::French)};
    ChosenFiles chosen;
};

TEST_F(Form1FileMenu, StandsFirstWithItsItemsAndSavesMeasurementsOnlyAfterARun)
{
    const QList<QAction*> bar = window.menuBar()->actions();
    ASSERT_FALSE(bar.isEmpty());
    EXPECT_EQ(bar.front()->objectName(), "fichier");
    EXPECT_EQ(bar.front()->text(), "&Fichier");
    QStringList items;
    for (QAction* action : bar.front()->menu()->actions()) items << action->objectName() + " " + action->text();
    EXPECT_EQ(items,
              (QStringList{"ouvrirScenario &Ouvrir un scénario…", "enregistrerScenario &Enregistrer le scénario…",
                           "copierLien &Copier le lien du scénario", "enregistrerMesures Enregistrer les &mesures…",
                           "copierMesures Co&pier les mesures", "enregistrerImage Enregistrer l'im&age…"}));
    EXPECT_EQ(bar.front()->menu()->accessibleName(), "Fichier");

    EXPECT_FALSE(item(window, "enregistrerMesures")->isEnabled());
    typeInto(window, "Text1", QStringLiteral("0,001"));
    MessageBoxWatcher boxes;
    button(window, "Command2")->click();
    EXPECT_TRUE(item(window, "enregistrerMesures")->isEnabled());
}

TEST_F(Form1FileMenu, AScenarioSavedOrCopiedOpensAgainWithTheSameBoxes)
{
    typeInto(window, "G1", QStringLiteral("13 271 244"));
    typeInto(window, "vx", QStringLiteral("a&b=c#é"));
    scrollBar()->setValue(17);
    chosen.save = path("classe.virenast");
    item(window, "enregistrerScenario")->trigger();
    item(window, "copierLien")->trigger();
    const QString link = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(link.startsWith(QLatin1String(form::scenarioLinkBase))) << link.toStdString();

    typeInto(window, "G1", QStringLiteral("1"));
    typeInto(window, "vx", QStringLiteral("2"));
    scrollBar()->setValue(3);
    chosen.open = chosen.save;
    MessageBoxWatcher boxes;
    item(window, "ouvrirScenario")->trigger();
    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_EQ(shownText(window, "G1"), "13 271 244");
    EXPECT_EQ(shownText(window, "vx"), "a&b=c#é");
    EXPECT_EQ(scrollBar()->value(), 17);

    // The link says the same as the file.
    QFile file(chosen.save);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const form::ScenarioReading fromLink = form::readScenarioLink(link.toStdString());
    EXPECT_TRUE(fromLink.messages.empty());
    EXPECT_EQ(fromLink.scenario, form::readScenarioFile(file.readAll().toStdString()).scenario);
}

// The file the page saves for the sixth sheet (its test holds it to these bytes) opens on the
// desktop, which saves the very same bytes again: a file goes from one front-end to the other.
TEST_F(Form1FileMenu, TheFileThePageSavesOpensAndIsSavedAgainByteForByte)
{
    QFile pageFile(QStringLiteral(VIRENAST_PAGE_SCENARIO_FILE));
    ASSERT_TRUE(pageFile.open(QIODevice::ReadOnly)) << VIRENAST_PAGE_SCENARIO_FILE;
    const QByteArray pageBytes = pageFile.readAll();
    chosen.open = pageFile.fileName();
    MessageBoxWatcher boxes;
    item(window, "ouvrirScenario")->trigger();
    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_EQ(shownText(window, "G1"), "3317811");
    EXPECT_EQ(shownText(window, "vy"), "-24249");
    EXPECT_EQ(shownText(window, "Text1"), "2");

    chosen.save = path("huit.virenast");
    item(window, "enregistrerScenario")->trigger();
    QFile saved(chosen.save);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), pageBytes);
}

TEST_F(Form1FileMenu, AHostileFileIsSaidAsPlainTextAndTakesOnlyWhatIsSound)
{
    chosen.open = path("hostile.virenast");
    QFile file(chosen.open);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<b>gras</b>=1\nG1=abc\nHScroll1=99\n");
    file.close();
    MessageBoxWatcher boxes;
    Qt::TextFormat format = Qt::RichText;
    boxes.whileOpen = [&](QMessageBox& box, qint64) { format = box.textFormat(); };
    item(window, "ouvrirScenario")->trigger();
    ASSERT_EQ(boxes.seen.size(), 2u);
    EXPECT_EQ(boxes.seen[0].title, "Scénario");
    EXPECT_EQ(boxes.seen[0].text,
              "Une partie du scénario a été ignorée :\n"
              "- Ligne 1 : nom inconnu « <b>gras</b> » : ignoré.\n"
              "- Ligne 3 : le pas de temps « 99 » n'est pas un nombre entier d'heures de 1 à 24 : la barre « "
              "Finesse du calcul » garde sa valeur.");
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shownText(window, "G1"), "abc");
    EXPECT_EQ(scrollBar()->value(), 1);
    // The drawing is placed as the boxes now say, and the bad value shows "Erreur", as if typed.
    EXPECT_EQ(boxes.seen[1].title, "Erreur");
}

TEST_F(Form1FileMenu, TenMegabytesOfRandomBytesChangeNothing)
{
    QByteArray bytes(10 * 1024 * 1024, '\0');
    std::mt19937 random(21);
    for (char& byte : bytes) byte = static_cast<char>(random());
    chosen.open = path("random.virenast");
    QFile file(chosen.open);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const QString before = shownText(window, "G1") + shownText(window, "Text1");
    MessageBoxWatcher boxes;
    item(window, "ouvrirScenario")->trigger();
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text,
              "Le scénario n'a pas été ouvert :\n- Le scénario dépasse 64 Kio : il n'est pas lu, rien n'a changé.");
    EXPECT_EQ(shownText(window, "G1") + shownText(window, "Text1"), before);

    // A file that cannot be read is said too.
    chosen.open = path("absent.virenast");
    item(window, "ouvrirScenario")->trigger();
    ASSERT_EQ(boxes.seen.size(), 2u);
    EXPECT_EQ(boxes.seen[1].text, "Le fichier « absent.virenast » ne peut pas être lu : rien n'a changé.");
}

// After the default run, a row for the start and one per step; the last ends where the window
// stopped, to the last digit.
TEST_F(Form1FileMenu, TheDefaultRunsMeasurementsEndWhereTheWindowStopped)
{
    MessageBoxWatcher boxes;
    button(window, "Command2")->click();
    chosen.measurements = app::FileChooser::MeasurementsChoice{path("mesures.csv"), 1};
    item(window, "enregistrerMesures")->trigger();
    EXPECT_EQ(chosen.strideSeen, 1);

    QFile file(chosen.measurements->path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBFtemps [ann\xC3\xA9" "es];temps [s];x [UA];y [UA]"));
    const QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 1 + 72192);
    const QStringList last = lines.back().split(';');
    ASSERT_EQ(last.size(), 14);
    EXPECT_EQ(last[0], shownText(window, "tempscourant"));
    EXPECT_EQ(last[2], shownText(window, "xsc"));
    EXPECT_EQ(last[3], shownText(window, "ysc"));
}

}  // namespace
}  // namespace virenast::testing
