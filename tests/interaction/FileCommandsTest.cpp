#include "interaction/commands/FileCommands.h"
#include "interaction/core/Editor.h"
#include "model/FakeUi.h"
#include "model/KelFile.h"
#include "support/KelTestFiles.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

namespace kel {
namespace {

using namespace test;

class FileCommands : public ::testing::Test {
protected:
    test::FakeUi ui;
    Editor editor{ui, {registerInteraction}};
    ObjectTable& table = editor.doc.table;
    QTemporaryDir dir;

    void SetUp() override { editor.start(); }
    QString path(const QString& name) const { return dir.filePath(name); }

    void fillPoints(int count) { test::fillPoints(table, count); }
    void setFileName(const QString& name)
    {
        editor.doc.fileName = name;
        ui.setStatus(2, name);
    }
    bool saidSaved() const { return ui.messages.join('\n').contains("was saved"); }
};

TEST_F(FileCommands, FailedSaveInAMissingFolderReportsItAndKeepsTheName)
{
    fillPoints(1);
    const QString target = path("gone/d.KEL");
    ui.saveAnswers.push_back(target);
    editor.runMenuItem("mnuSaveAs");
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages[0].contains(target));
    EXPECT_FALSE(saidSaved());
    EXPECT_TRUE(editor.doc.fileName.isEmpty());
    EXPECT_TRUE(ui.status(2).isEmpty());
}

// Permissions do not stop root, so the write is made to fail by a file size
// limit instead: the old file must survive a save that breaks off midway.
TEST_F(FileCommands, FailedSaveKeepsTheOldFile)
{
    const QString file = path("old.kel");
    writeBytes(file, "Y\tP\t0\t1\r\n");
    setFileName(file);
    fillPoints(400); // about 8 KB
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1024;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    editor.runMenuItem("mnusave");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(readBytes(file), "Y\tP\t0\t1\r\n");
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages[0].contains(file));
    EXPECT_FALSE(saidSaved());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.kel"});
}

TEST_F(FileCommands, FailedOpenKeepsTheTableAndTheFileName)
{
    fillPoints(3);
    setFileName(path("mine.kel"));
    const QStringList before = tableText(table);
    ui.openAnswers.push_back(path("absent.kel"));
    editor.runMenuItem("mnuopentab");
    EXPECT_EQ(tableText(table), before);
    EXPECT_EQ(editor.doc.fileName, path("mine.kel"));
    EXPECT_EQ(ui.status(2), path("mine.kel"));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages[0].contains(path("absent.kel")));
}

TEST_F(FileCommands, PasteOfOrdinaryTextChangesNothing)
{
    fillPoints(5);
    table.setCell(kTagColumn, 2, kTagMark);
    const QStringList before = tableText(table);
    ui.setClipboardText("just some words\r\nY\tP");
    editor.runMenuItem("mnupastefromclip");
    EXPECT_EQ(ui.messages, QStringList{"No Kelvane data in clipboard"});
    EXPECT_EQ(tableText(table), before);
    EXPECT_EQ(editor.tool.mode, ToolMode::Idle);
}

} // namespace
} // namespace kel
