// Saved window positions and registry values of a described window.

#include "SkinControl/uFORM.h"
#include "platform/RegistryStore.h"
#include "runtime/skUseStract.h"
#include "support/TestSupport.h"

#include <QUuid>
#include <gtest/gtest.h>

namespace {
QString uniqueKey() { return "Software\\Test\\" + QUuid::createUuid().toString(QUuid::Id128); }
} // namespace

TEST(SavedPosition, WrittenOnDestructionTopBeforeLeft) {
    TempAppFolder folder;
    RecordingPlatformGuard rec;
    const QString key = uniqueKey();
    folder.writeText("test.txt", "[main]\ntype=form\nsave_pos=1\nreg_dat=" + key + "\n");
    {
        TfrmFORM form;
        form.setObjectName("frmTest");
        TSkStract rt(&form, "test.txt");
        rt.Build();
        form.setGeometry(10, 20, 800, 600);
    }
    EXPECT_EQ(RegistryStore::ReadString(key, "pos_frmTest").value_or("none"), "20;10;800;600;0");
    EXPECT_TRUE(rec->shown().isEmpty());
}

TEST(SavedPosition, OnlyWithSavePosAndReportedWithoutRegDat) {
    TempAppFolder folder;
    RecordingPlatformGuard rec;
    const QString key = uniqueKey();
    folder.writeText("plain.txt", "[main]\ntype=form\nreg_dat=" + key + "\n");
    folder.writeText("noreg.txt", "[main]\ntype=form\nsave_pos=1\n");
    {
        TfrmFORM form;
        TSkStract rt(&form, "plain.txt");
        rt.Build();
    }
    EXPECT_FALSE(RegistryStore::KeyExists(key));
    {
        TfrmFORM form;
        TSkStract rt(&form, "noreg.txt");
        rt.Build();
        rec->clear();
    }
    EXPECT_EQ(rec->shown(), QStringList{"noreg.txt\r\nWriteReg. Укажите путь в реестре (reg_dat для form)"});
}

TEST(SavedPosition, ReadBackAndMalformedValuesRaise) {
    TempAppFolder folder;
    RecordingPlatformGuard rec;
    const QString key = uniqueKey();
    folder.writeText("test.txt", "[main]\ntype=form\nsave_pos=1\nreg_dat=" + key + "\n");
    RegistryStore::WriteString(key, "pos_frmTest", "40;30;500;400;0");
    {
        TfrmFORM form;
        form.setObjectName("frmTest");
        TSkStract rt(&form, "test.txt");
        rt.Build();
        EXPECT_EQ(form.geometry().size(), QSize(500, 400));
        rt.SetSavePos(false);
    }
    RegistryStore::WriteString(key, "pos_frmTest", "x;30;500;400;0");
    TfrmFORM form;
    form.setObjectName("frmTest");
    TSkStract rt(&form, "test.txt");
    EXPECT_ANY_THROW(rt.Build());
    rt.SetSavePos(false);
}

TEST(RegistryValues, ReadOfAMissingKeyCreatesNothing) {
    TempAppFolder folder;
    RecordingPlatformGuard rec;
    const QString key = uniqueKey();
    folder.writeText("test.txt", "[main]\ntype=form\nreg_dat=" + key + "\n");
    TfrmFORM form;
    TSkStract rt(&form, "test.txt");
    rt.Build();
    EXPECT_EQ(rt.ReadReg("favore"), "");
    EXPECT_FALSE(RegistryStore::KeyExists(key));
    rt.WriteReg("Favore", "a*b*");
    EXPECT_EQ(rt.ReadReg("FAVORE"), "a*b*");
}
