#include "platform/controls/control.h"
#include "platform/controls/controlalign.h"

#include <gtest/gtest.h>

using enum Controls::TAlign;
using enum Controls::TAnchorKind;

TEST(ControlAlign, DocksTopBottomThenLeftRightThenClient) {
    TSizeConstraints minWide;
    minWide.SetMinWidth(300);
    // Given out of order on purpose: docking order is by edge and position, not by list order.
    const std::vector<AlignItem> items{
        {alClient, QRect(0, 41, 576, 446), nullptr}, {alRight, QRect(576, 41, 216, 446), nullptr},
        {alBottom, QRect(0, 487, 792, 80), nullptr}, {alTop, QRect(0, 0, 792, 41), nullptr},
        {alNone, QRect(5, 6, 7, 8), nullptr},        {alTop, QRect(0, 50, 10, 20), nullptr},
        {alLeft, QRect(0, 0, 100, 10), &minWide},
    };
    const std::vector<QRect> r = alignBounds(QRect(0, 0, 1000, 700), items);
    EXPECT_EQ(r[3], QRect(0, 0, 1000, 41));
    EXPECT_EQ(r[5], QRect(0, 41, 1000, 20)); // the second top panel goes below the first
    EXPECT_EQ(r[2], QRect(0, 620, 1000, 80));
    EXPECT_EQ(r[6], QRect(0, 61, 300, 559)); // its minimum width wins
    EXPECT_EQ(r[1], QRect(784, 61, 216, 559));
    EXPECT_EQ(r[0], QRect(300, 61, 484, 559));
    EXPECT_EQ(r[4], QRect(5, 6, 7, 8));
}

TEST(ControlAlign, ClientShrinksToNothingWhenTheEdgesTakeAll) {
    const std::vector<AlignItem> items{{alTop, QRect(0, 0, 10, 60), nullptr},
                                       {alBottom, QRect(0, 0, 10, 60), nullptr},
                                       {alClient, QRect(0, 0, 10, 10), nullptr}};
    const std::vector<QRect> r = alignBounds(QRect(0, 0, 100, 100), items);
    EXPECT_EQ(r[1], QRect(0, 40, 100, 60));
    EXPECT_EQ(r[2].height(), 0);
}

TEST(ControlAlign, AnchorsKeepDistancesToTheirEdges) {
    const QRect design(344, 8, 217, 24);
    const QSize was(792, 41);
    const QSize now(1000, 61);
    EXPECT_EQ(anchoredBounds(design, was, now, akTop | akRight), QRect(552, 8, 217, 24));
    EXPECT_EQ(anchoredBounds(design, was, now, akLeft | akTop), design);
    EXPECT_EQ(anchoredBounds(design, was, now, akLeft | akRight | akTop | akBottom), QRect(344, 8, 425, 44));
    EXPECT_EQ(anchoredBounds(design, was, now, TAnchors()), QRect(448, 18, 217, 24));
    EXPECT_EQ(anchoredBounds(design, was, QSize(0, 0), akLeft | akRight | akTop), QRect(344, 8, 0, 24));
}

TEST(ControlAlign, ControlsFollowTheirParent) {
    TControl form(nullptr);
    form.SetBounds(0, 0, 792, 567);
    auto* top = new TControl(&form, &form);
    top->SetBounds(0, 0, 792, 41);
    auto* combo = new TControl(&form, top);
    combo->SetBounds(344, 8, 217, 24);
    combo->SetAnchors(akTop | akRight);
    top->SetAlign(alTop);
    auto* client = new TControl(&form, &form);
    client->SetAlign(alClient);
    EXPECT_EQ(client->geometry(), QRect(0, 41, 792, 526));

    form.SetBounds(0, 0, 1000, 600);
    EXPECT_EQ(top->geometry(), QRect(0, 0, 1000, 41));
    EXPECT_EQ(combo->geometry(), QRect(552, 8, 217, 24));
    EXPECT_EQ(client->geometry(), QRect(0, 41, 1000, 559));

    form.Constraints()->SetMinWidth(640);
    form.Constraints()->SetMinHeight(480);
    form.show();
    form.resize(300, 200); // as a user dragging the frame would
    EXPECT_EQ(form.size(), QSize(640, 480));
    EXPECT_EQ(combo->geometry(), QRect(192, 8, 217, 24));
    form.SetBounds(0, 0, 100, 100);
    EXPECT_EQ(form.size(), QSize(640, 480));

    top->SetHeight(60); // an aligned control that changes size makes its parent realign
    EXPECT_EQ(client->geometry(), QRect(0, 60, 640, 420));
    top->SetVisible(false);
    EXPECT_EQ(client->geometry(), QRect(0, 0, 640, 480));
}
