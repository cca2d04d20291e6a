#include "hostlink/entity.h"
#include "hostlink/lernavomessagestream.h"
#include "hostlinktestutil.h"

#include <gtest/gtest.h>

TEST(Entity, RecordIsTwoIntegersAndTwoStrings) {
    TEntity entity(nullptr);
    entity.SetWindowHandle(0x11223344);
    entity.SetMutexHandle(5);
    entity.SetFileName(QStringLiteral("C:\\a\\b.exe"));
    entity.SetTitle(QStringLiteral("T"));
    TLernavoMessageStream msg(nullptr);
    entity.WriteTo(msg);
    EXPECT_EQ(msg.Content().toHex(), QByteArray("44332211"
                                                "05000000"
                                                "0a000000"
                                                "433a5c615c622e657865"
                                                "01000000"
                                                "54"));
    msg.SetPosition(0);
    TEntity read(nullptr);
    read.ReadFrom(msg);
    EXPECT_EQ(read.WindowHandle(), 0x11223344u);
    EXPECT_EQ(read.MutexHandle(), 5);
    EXPECT_EQ(read.GetFileName(), QStringLiteral("C:\\a\\b.exe"));
    EXPECT_EQ(read.GetTitle(), QStringLiteral("T"));
    msg.SetPosition(0);
    msg.WriteBytes(QByteArray::fromHex("0000000000000000ff000000")); // file name longer than the record
    msg.SetPosition(0);
    EXPECT_THROW(read.ReadFrom(msg), EReadError);
}

TEST(Entity, AnIncompleteEntityAsksItsOwnerOnceBeforeItIsWritten) {
    ScriptedDemon owner;
    owner.Answer = std::make_unique<TEntity>(nullptr);
    owner.Answer->SetWindowHandle(9);
    owner.Answer->SetMutexHandle(3);
    owner.Answer->SetFileName(QStringLiteral("/opt/x/prog"));
    owner.Answer->SetTitle(QStringLiteral("Prog"));
    TEntity entity(&owner);
    entity.SetWindowHandle(9);
    TLernavoMessageStream msg(nullptr);
    entity.WriteTo(msg);
    EXPECT_EQ(owner.HandleQueries, 1); // the title came with the file name
    EXPECT_EQ(msg.Content().toHex(), QByteArray("09000000"
                                                "03000000"
                                                "0b000000"
                                                "2f6f70742f782f70726f67"
                                                "04000000"
                                                "50726f67"));
    entity.GetTitle();
    EXPECT_EQ(owner.HandleQueries, 1);

    TEntity unknown(&owner);
    owner.Answer.reset();
    EXPECT_EQ(unknown.GetFileName(), QString()); // no answer: stays empty
    EXPECT_EQ(owner.HandleQueries, 2);
    entity.Assign(nullptr);
    EXPECT_EQ(entity.GetTitle(), QStringLiteral("Prog"));
}

TEST(Entity, MutexNameIsThePrefixAndTheBareFileName) {
    const struct {
        const char* Path;
        const char* Expected;
    } cases[] = {
        {"C:\\Programme\\Kyvelo\\Kyvelo.EXE", "LV_Kyvelo.EXE"},
        {"D:prog.exe", "LV_prog.exe"},
        {"/usr/local/bin/kyvelo", "LV_kyvelo"},
        {"kyvelo", "LV_kyvelo"},
    };
    for (const auto& c : cases) {
        TEntity entity(nullptr);
        entity.SetFileName(QLatin1String(c.Path));
        EXPECT_EQ(entity.MutexName(), QLatin1String(c.Expected)) << c.Path;
    }
}
