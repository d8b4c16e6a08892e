#include "nettesting.h"
#include "network/mailslot.h"
#include "platform/system.h"
#include "support/scriptedprompter.h"

#include <QUdpSocket>
#include <gtest/gtest.h>

namespace bw {
namespace {

using test::SpinUntil;
using test::UniqueChannel;

struct Received {
    QString computer, text, user;
};

TEST(SlotPort, FixedRuleIndependentOfCase) {
    // The rule the README gives administrators: 20000 + FNV-1a-32(upper-case name) mod 10000.
    EXPECT_EQ(SlotPort("BRETTW-1"), SlotPort("brettw-1"));
    quint32 h = 2166136261u;
    for (char c : QByteArray("BRETTW-1")) {
        h ^= static_cast<unsigned char>(c);
        h *= 16777619u;
    }
    EXPECT_EQ(SlotPort("BRETTW-1"), 20000 + h % 10000);
    EXPECT_NE(SlotPort("K1"), SlotPort("K2"));
    EXPECT_EQ(SlotPort("BRETTW-1"), 20627); // the port the README names
}

TEST(MailslotWire, HeaderLinesAndCrLfInWindows1252) {
    const QByteArray wire = EncodeMailslotMessage("lehrer", "PC-Ü", {"TN-INIT", "ABC", "Jürgen"});
    EXPECT_EQ(wire, QByteArray("Message\r\nlehrer\r\nPC-\xDC\r\nTN-INIT\r\nABC\r\nJ\xFCrgen\r\n"));
    const auto m = DecodeMailslotMessage(wire);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->user, "lehrer");
    EXPECT_EQ(m->computer, "PC-Ü");
    EXPECT_EQ(m->text, "TN-INIT\r\nABC\r\nJürgen\r\n");
}

TEST(MailslotWire, ForeignAndOversizedDatagramsAreDropped) {
    EXPECT_FALSE(DecodeMailslotMessage("Massage\r\nu\r\nc\r\nTN-INIT\r\n"));
    EXPECT_FALSE(DecodeMailslotMessage("Message\r\nu\r\n"));
    EXPECT_FALSE(DecodeMailslotMessage(QByteArray()));
    EXPECT_FALSE(DecodeMailslotMessage(QByteArray(kMaxMessageBytes + 1, 'M')));
    QByteArray many = "Message\r\nu\r\nc\r\n";
    for (int i = 0; i < kMaxMessageLines; ++i)
        many += "x\r\n";
    EXPECT_FALSE(DecodeMailslotMessage(many));
    // Lone line feeds and carriage returns split lines too; a message without payload is one.
    const auto m = DecodeMailslotMessage("Message\nu\rc\r\n");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->computer, "c");
    EXPECT_EQ(m->text, "");
}

TEST(Mailslot, NameOfEightIsTakenNineIsRefusedWithTheWarning) {
    test::ScriptedPrompter prompter;
    TALMailSlot2 slot;
    EXPECT_EQ(slot.MailBox(), "MailBox");
    EXPECT_TRUE(slot.SetMailBox("ABCDEFGH"));
    EXPECT_FALSE(slot.SetMailBox("ABCDEFGHI"));
    EXPECT_EQ(slot.MailBox(), "ABCDEFGH");
    EXPECT_EQ(prompter.texts("warning"),
              QStringList{"MailBox name cannot be greater than 8 characters long."});
}

TEST(Mailslot, QueuedMessagesArriveInOrderWithTheSender) {
    OverrideComputerName("SENDER-PC");
    OverrideUserName("anna");
    TALMailSlot2 receiver, sender;
    const QString channel = UniqueChannel("Q");
    receiver.SetMailBox(channel);
    sender.SetMailBox(channel);
    receiver.CheckInterval = 150;
    receiver.SetActive(true);
    ASSERT_TRUE(receiver.Active());
    std::vector<Received> got;
    QObject::connect(&receiver, &TALMailSlot2::NewMessage,
                     [&](const QString& c, const QString& t, const QString& u) {
                         got.push_back({c, t, u});
                     });
    for (int i = 0; i < 5; ++i)
        sender.SendLines(".", {"TN-FERTIG", QString::number(i)});
    ASSERT_TRUE(SpinUntil([&] { return got.size() == 5; }));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(got[i].text, "TN-FERTIG\r\n" + QString::number(i) + "\r\n");
    EXPECT_EQ(got[0].computer, "SENDER-PC");
    EXPECT_EQ(got[0].user, "anna");
    EXPECT_EQ(receiver.receiveList, (QStringList{"TN-FERTIG", "4"}));
    EXPECT_EQ(sender.sendList, (QStringList{"TN-FERTIG", "4"}));
    // This computer's own name addresses it as "." does.
    sender.SendLines("sender-pc", {"X"});
    EXPECT_TRUE(SpinUntil([&] { return got.size() == 6; }));
    OverrideComputerName({});
    OverrideUserName({});
}

TEST(Mailslot, TakenPortLeavesTheSecondSlotInactive) {
    const QString channel = UniqueChannel("P");
    TALMailSlot2 first, second;
    first.SetMailBox(channel);
    second.SetMailBox(channel);
    first.SetActive(true);
    ASSERT_TRUE(first.Active());
    second.SetActive(true);
    EXPECT_FALSE(second.Active());
    // A renamed active slot moves to the new port.
    first.SetMailBox(UniqueChannel("R"));
    EXPECT_TRUE(first.Active());
    second.SetActive(true);
    EXPECT_TRUE(second.Active());
}

TEST(Mailslot, SendingWithoutAnyListenerIsQuiet) {
    TALMailSlot2 sender;
    sender.SetMailBox(UniqueChannel("N"));
    sender.SendLines(".", {"TN-INIT"});
    sender.SendLines("no-such-host.invalid", {"TN-INIT"});
    sender.SendLines("*", {"TN-INIT"});
    EXPECT_EQ(sender.sendList, QStringList{"TN-INIT"});
}

TEST(Mailslot, HandlerMayEndTheSlotWhileMessagesWait) {
    const QString channel = UniqueChannel("H");
    TALMailSlot2 receiver, sender, successor;
    receiver.SetMailBox(channel);
    sender.SetMailBox(channel);
    successor.SetMailBox(channel);
    receiver.SetActive(true);
    int handled = 0;
    bool successorBound = false;
    QObject::connect(&receiver, &TALMailSlot2::NewMessage, [&] {
        ++handled;
        receiver.SetActive(false);
        // The ended slot's port is free at once, inside the handler.
        successor.SetActive(true);
        successorBound = successor.Active();
    });
    for (int i = 0; i < 3; ++i)
        sender.SendLines(".", {"A"});
    SpinUntil([&] { return handled > 0; });
    SpinUntil([] { return false; }, 200);
    EXPECT_EQ(handled, 1);
    EXPECT_FALSE(receiver.Active());
    EXPECT_TRUE(successorBound);
}

} // namespace
} // namespace bw
