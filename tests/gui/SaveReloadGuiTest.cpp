// Save and reload through the main menu leave the data set on disk byte for
// byte as it was.
#include <gtest/gtest.h>

#include <QAction>
#include <filesystem>
#include <map>

#include "TestUtil.h"
#include "app/MainFrame.h"
#include "ui/PictureLoader.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"

#ifdef V3_HAVE_DEMO
#include "DemoDataSet.h"
#endif

namespace v3 {
namespace {

TEST(SaveReloadGui, MenuSaveAndReloadKeepTheFiles) {
#ifndef V3_HAVE_DEMO
    GTEST_SKIP() << "the demo installation is not part of this build";
#else
    v3test::TempDir dir;
    {
        ScopedAppState writer;
        std::string error;
        ASSERT_TRUE(demo::WriteDemoInstallation(dir.path(), demo::kDefaultDemoSeed, &error)) << error;
    }
    ScopedAppState state;
    ScriptedUserInterface ui;
    state->SetUserInterface(&ui);
    state->installDir = dir.path();
    CQtPictureDecoder decoder;
    CPictureCache cache(decoder);
    state->pictures = &cache;
    CEDITORDoc doc;
    CMainFrame frame(doc, false, std::make_unique<CSoundLib>([] { return true; }));
    frame.OnCreate();
    doc.OnNewDocument();
    ASSERT_TRUE(App().LadenOk) << doc.LadeFehler();
    const auto before = v3test::Snapshot(dir.path() / "DATA.V3");
    ASSERT_GT(before.size(), 100u);

    App().DatenGeaendert = true;
    ui.Answer(MsgResult::No);  // no new board pictures
    frame.Action("OnFileSave")->trigger();
    EXPECT_FALSE(App().DatenGeaendert);
    EXPECT_EQ(ui.messages.back().text, "Sollen die Bandengrafiken ebenfalls gespeichert werden?");
    auto afterSave = v3test::Snapshot(dir.path() / "DATA.V3");
    ASSERT_EQ(afterSave.size(), before.size());
    for (const auto& [name, bytes] : before) EXPECT_TRUE(afterSave[name] == bytes) << name;

    ui.Answer(MsgResult::Yes);  // reload
    frame.Action("OnLadenV3")->trigger();
    ASSERT_TRUE(App().LadenOk);
    EXPECT_FALSE(Daten().Leer());
    ui.Answer(MsgResult::No);
    frame.Action("OnFileSave")->trigger();
    auto afterReload = v3test::Snapshot(dir.path() / "DATA.V3");
    EXPECT_EQ(afterReload.size(), before.size());
    for (const auto& [name, bytes] : before) EXPECT_TRUE(afterReload[name] == bytes) << name;
    for (const auto& m : ui.messages) EXPECT_NE(m.icon, MsgIcon::Stop) << m.text;
#endif
}

}  // namespace
}  // namespace v3
