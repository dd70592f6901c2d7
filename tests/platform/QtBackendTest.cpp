// The Qt backend of the seam: named resources, message boxes, file dialogs,
// the executable folder and the failed-invariant report.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <vector>
#include <gtest/gtest.h>

#include "model/Text.h"
#include "platform/FormsTesting.h"
#include "platform/qt/NamedResources.h"
#include "platform/qt/QtBackend.h"
#include "tests/support/TestFiles.h"

namespace qt_backend_test {

namespace {

// Runs action on the next modal widget that Qt shows (a box or a dialog).
void WhenQtModalShows(std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(1);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

class QtBackendTest : public ::testing::Test {
protected:
    void SetUp() override { seam::Install(&backend); }
    void TearDown() override
    {
        seam::Install(nullptr);
        SetExecutablePathForTesting("");
    }
    QtSeamBackend backend;
};

TEST_F(QtBackendTest, RawResourcesAreFoundWithoutRegardToCase)
{
    std::string upper, lower, mixed;
    ASSERT_TRUE(seam::LoadRawResource("HOLLARNE_BITMAP", upper));
    ASSERT_TRUE(seam::LoadRawResource("hollarne_bitmap", lower));
    ASSERT_TRUE(seam::LoadRawResource("Hollarne_Bitmap", mixed));
    EXPECT_EQ(upper, lower);
    EXPECT_EQ(upper, mixed);
    EXPECT_EQ(upper.substr(0, 4), "\x89PNG");
    // A name stored in mixed case is found in upper case too.
    std::string stored;
    EXPECT_TRUE(seam::LoadRawResource("GAELM_IVREL_X2_80_BITMAP", stored));
    EXPECT_FALSE(seam::LoadRawResource("NO_SUCH_RESOURCE", stored));
    EXPECT_FALSE(seam::LoadRawResource("", stored));
}

TEST_F(QtBackendTest, NamedResourceNamesAreUniqueWithoutRegardToCase)
{
    std::vector<std::string> names = NamedResourceNames();
    ASSERT_FALSE(names.empty());
    for (std::string& name : names) name = UpperCase(name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
}

TEST_F(QtBackendTest, DialogFiltersOfferEachPatternInBothCases)
{
    const struct {
        const char* filter;
        std::vector<std::string> expected;
    } cases[] = {
        {"Quartus Project File (*.qpf)|*.QPF", {"Quartus Project File (*.qpf *.QPF)"}},
        {"Board Configuration Files (*.cfg)|*.CFG", {"Board Configuration Files (*.cfg *.CFG)"}},
        {"Pin list (*.txt)|*.txt|All files (*.*)|*.*", {"Pin list (*.txt *.TXT)", "All files (*)"}},
        {"Settings|*.cfg;*.ini", {"Settings (*.cfg *.CFG *.ini *.INI)"}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(DialogNameFilters(c.filter), c.expected) << c.filter;
}

TEST_F(QtBackendTest, MessageBoxIsModalWithOneOkButtonAndTheText)
{
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    bool modal = false;
    WhenQtModalShows([&](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        ASSERT_NE(box, nullptr);
        text = box->text();
        icon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        modal = box->isModal();
        box->button(QMessageBox::Ok)->click();
    });
    seam::ShowError("Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n/tmp/x/");
    EXPECT_EQ(text, QStringLiteral("Generate Quartus Project successfully.\nThe project is located in the folder:\n/tmp/x/"));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, 1);
    EXPECT_TRUE(modal);

    WhenQtModalShows([&](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        ASSERT_NE(box, nullptr);
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    seam::ShowInformation("Done.");
    EXPECT_EQ(icon, QMessageBox::Information);

    WhenQtModalShows([&](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        ASSERT_NE(box, nullptr);
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    seam::ShowWarning("Mind the jumper.");
    EXPECT_EQ(icon, QMessageBox::Warning);
}

TEST_F(QtBackendTest, SaveDialogIsAskedWhatTheRequestSaysAndCancelGivesNothing)
{
    TempFolder folder;
    seam::FileDialogRequest request;
    request.title = "Save";
    request.initialFolder = folder.Path();
    request.filter = "Board Configuration Files (*.cfg)|*.CFG";
    request.filterIndex = 1;
    request.defaultExt = "cfg";

    QStringList filters;
    QString directory, suffix, title;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    WhenQtModalShows([&](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        directory = dialog->directory().absolutePath();
        suffix = dialog->defaultSuffix();
        title = dialog->windowTitle();
        mode = dialog->acceptMode();
        dialog->selectFile(QStringLiteral("mine"));
        static_cast<QDialog*>(dialog)->accept();
    });
    const std::string path = seam::RunSaveDialog(request);
    EXPECT_EQ(filters, QStringList{QStringLiteral("Board Configuration Files (*.cfg *.CFG)")});
    EXPECT_EQ(directory.toStdString() + "/", folder.Path());
    EXPECT_EQ(suffix, QStringLiteral("cfg"));
    EXPECT_EQ(title, QStringLiteral("Save"));
    EXPECT_EQ(mode, QFileDialog::AcceptSave);
    EXPECT_EQ(path, folder.Path() + "mine.cfg");

    WhenQtModalShows([](QWidget* widget) { qobject_cast<QDialog*>(widget)->reject(); });
    EXPECT_EQ(seam::RunOpenDialog(request), "");
}

// Both dialogs return the name they are given on OK, through the dialog's own
// accept: the save dialog asks no overwrite question for a file that exists,
// and the open dialog takes a name that does not exist.
TEST_F(QtBackendTest, FileDialogsReturnTheNameGivenWithoutAQuestion)
{
    TempFolder folder;
    const std::string existing = folder.Path() + "taken.qpf";
    WriteFile(existing, "old");
    const std::string missing = folder.Path() + "nowhere.cfg";

    struct Case {
        bool save;
        std::string name;
    };
    for (const Case& c : {Case{true, existing}, Case{false, missing}}) {
        seam::FileDialogRequest request;
        request.title = c.save ? "Save" : "Open";
        request.initialFolder = folder.Path();
        request.filter = "Any File (*.*)|*.*";

        bool questionAsked = false;
        QFileDialog::Options options;
        QFileDialog::FileMode fileMode = QFileDialog::Directory;
        WhenQtModalShows([&](QWidget* widget) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            ASSERT_NE(dialog, nullptr);
            options = dialog->options();
            fileMode = dialog->fileMode();
            dialog->selectFile(QString::fromStdString(c.name));
            static_cast<QDialog*>(dialog)->accept();  // the file dialog's own accept
        });
        // Should the dialog ask anything, the question is closed and the
        // dialog then cancelled.
        QTimer questions;
        questions.setInterval(1);
        QObject::connect(&questions, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || qobject_cast<QFileDialog*>(modal)) return;
            questionAsked = true;
            modal->close();
            if (auto* dialog = qobject_cast<QFileDialog*>(modal->parentWidget())) dialog->reject();
        });
        questions.start();
        const std::string path = c.save ? seam::RunSaveDialog(request) : seam::RunOpenDialog(request);
        questions.stop();
        EXPECT_EQ(path, c.name) << request.title;
        EXPECT_FALSE(questionAsked) << request.title;
        EXPECT_TRUE(options.testFlag(QFileDialog::DontConfirmOverwrite)) << request.title;
        EXPECT_EQ(fileMode, QFileDialog::AnyFile) << request.title;
    }
    EXPECT_EQ(ReadFile(existing), "old");
}

TEST_F(QtBackendTest, ExecutableFolderIsThatOfTheProgramWithATrailingSlash)
{
    SetExecutablePathForTesting("/opt/tools/pinloom");
    EXPECT_EQ(seam::ExecutableFolder(), "/opt/tools/");
    SetExecutablePathForTesting("");
    const std::string folder = seam::ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(folder.front(), '/');
}

TEST(QtBackendDeathTest, FailedInvariantShowsItsConditionAndPlaceThenEndsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EQ(FailedInvariantText("pMasterConn", "boards/soc/UI_Hollarne.cpp", 412),
              "Assertion failed: pMasterConn, file boards/soc/UI_Hollarne.cpp, line 412");
    EXPECT_EXIT(
        {
            QtSeamBackend backend;
            seam::Install(&backend);
            // The error box is closed as soon as it shows.
            WhenQtModalShows([](QWidget* widget) {
                std::fprintf(stderr, "box: %s\n", qPrintable(qobject_cast<QMessageBox*>(widget)->text()));
                qobject_cast<QMessageBox*>(widget)->button(QMessageBox::Ok)->click();
            });
            PL_ASSERT(1 + 1 == 3);
        },
        ::testing::ExitedWithCode(3), "box: Assertion failed: 1 \\+ 1 == 3, file .*QtBackendTest.cpp, line [0-9]+");
}

}  // namespace

// Batch generation needs the left Control key; the right one must not start it.
TEST(ControlKeysTest, OnlyTheLeftKeyCountsWhereTheSideIsKnown)
{
    constexpr unsigned L = TControlKeys::kLeftSymbol;
    constexpr unsigned R = TControlKeys::kRightSymbol;
    struct Step {
        bool pressed;
        unsigned key;
    };
    struct Case {
        const char* what;
        std::vector<Step> steps;
        bool modifier;
        bool left;
    };
    const Case cases[] = {
        {"left held", {{true, L}}, true, true},
        {"right held", {{true, R}}, true, false},
        {"right then left", {{true, R}, {true, L}}, true, true},
        {"both, left released", {{true, L}, {true, R}, {false, L}}, true, false},
        {"both, right released", {{true, L}, {true, R}, {false, R}}, true, true},
        {"no side seen", {}, true, true},
        {"no native key", {{true, 0}}, true, true},
        {"nothing held", {{true, L}}, false, false},
    };
    for (const Case& c : cases) {
        TControlKeys keys;
        for (const Step& s : c.steps) keys.Note(s.pressed, s.key);
        EXPECT_EQ(keys.IsLeftDown(c.modifier), c.left) << c.what;
    }
}

TEST(ControlKeysTest, AMissedReleaseIsForgottenOnceNoControlIsHeld)
{
    TControlKeys keys;
    keys.Note(true, TControlKeys::kRightSymbol);
    EXPECT_FALSE(keys.IsLeftDown(false));
    // The right key's release went to another program; later the user holds
    // the left key before our window had focus.
    EXPECT_TRUE(keys.IsLeftDown(true));
}

}  // namespace qt_backend_test
