// The walk over published properties: what is translated, in which order, and what is left alone.
#include "chart/rchart.h"
#include "localisation/rivazidad2000.h"
#include "platform/controls/buttons.h"
#include "platform/controls/forms.h"
#include "platform/controls/stdctrls.h"
#include "platform/layout/layoutloader.h"
#include "platform/layout/layoutregistry.h"
#include "scales/scaleprops.h"

#include "localisationtestutil.h"
#include "translatables.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <memory>

namespace {

TTextItem* addItem(TCollection& collection, const char* title) {
    auto item = std::make_unique<TTextItem>();
    item->SetTitle(QString::fromLatin1(title));
    return static_cast<TTextItem*>(collection.Add(std::move(item)));
}

// Records every lookup, so that the order of the walk shows.
class WalkTest : public testing::Test {
protected:
    void SetUp() override {
        dictionary.SetCollect(true);
        holder->SetName(QStringLiteral("BF_Holder"));
    }
    void TearDown() override { dictionary.SetCollect(false); }

    TRivazidad2000 dictionary{QString{}};
    TTextHolder root{nullptr};
    TTextHolder* holder = new TTextHolder(&root, &root);
};

TEST_F(WalkTest, TranslatesStringsListsFromTheEndAndCollectionItems) {
    holder->SetCaption(QStringLiteral("BF_Caption"));
    holder->SetLines({QStringLiteral("BF_First"), QStringLiteral("plain"), QStringLiteral("bf_Lower"),
                      QStringLiteral("BF_Last")});
    TTextItem* item1 = addItem(*holder->Entries(), "BF_Item 1");
    TTextItem* item2 = addItem(*holder->Entries(), "BF_");
    holder->Other()->SetTitle(QStringLiteral("BF_Other"));
    root.SetCaption(QStringLiteral("BF_Partner"));

    dictionary.TranslateObject(holder);

    EXPECT_EQ(holder->Name(), QStringLiteral("BF_Holder"));
    EXPECT_EQ(holder->Caption(), QStringLiteral("Caption"));
    EXPECT_EQ(holder->Lines(), (QStringList{QStringLiteral("First"), QStringLiteral("plain"),
                                            QStringLiteral("bf_Lower"), QStringLiteral("Last")}));
    EXPECT_EQ(holder->LinesWrites(), 2);
    EXPECT_EQ(item1->Title(), QStringLiteral("Item 1"));
    EXPECT_EQ(item2->Title(), QString());
    EXPECT_EQ(holder->Other()->Title(), QStringLiteral("BF_Other"));
    EXPECT_EQ(root.Caption(), QStringLiteral("BF_Partner"));
    // The read-only Fixed was asked for too; its value cannot change.
    EXPECT_EQ(dictionary.Collected(),
              (QStringList{QStringLiteral("[Caption]=Caption|$$"), QStringLiteral("[Exit]=Exit|$$"),
                           QStringLiteral("[Last]=Last|$$"), QStringLiteral("[First]=First|$$"),
                           QStringLiteral("[Item 1]=Item 1|$$"), QStringLiteral("[]=|$$")}));
}

TEST_F(WalkTest, NothingToWalkIsNoError) {
    dictionary.TranslateComponent(nullptr);
    dictionary.TranslateObject(nullptr);
    EXPECT_TRUE(dictionary.Collected().isEmpty());
}

TEST_F(WalkTest, UnprefixedTextsAreNotWritten) {
    holder->SetCaption(QStringLiteral("BF"));
    holder->SetLines({QStringLiteral("Bf_x"), QStringLiteral("x BF_")});
    dictionary.TranslateObject(holder);
    EXPECT_EQ(holder->CaptionWrites(), 1);
    EXPECT_EQ(holder->LinesWrites(), 1);
    EXPECT_EQ(dictionary.Collected(), QStringList{QStringLiteral("[Exit]=Exit|$$")});
}

TEST_F(WalkTest, ComponentsAreVisitedByOwnershipInIndexOrder) {
    auto* second = new TTextHolder(&root);
    auto* grandChild = new TTextHolder(holder);
    root.SetCaption(QStringLiteral("BF_Root"));
    holder->SetCaption(QStringLiteral("BF_Holder"));
    grandChild->SetCaption(QStringLiteral("BF_Grandchild"));
    second->SetCaption(QStringLiteral("BF_Second"));
    QList<QObject*> visited;
    dictionary.SetOnTranslateObject([&](TRivazidad2000* sender, QObject* object, bool& translate) {
        EXPECT_EQ(sender, &dictionary);
        EXPECT_TRUE(translate);
        visited.append(object);
        // The second component keeps its texts.
        translate = object != second;
    });

    dictionary.TranslateComponent(&root);

    // Sub-objects other than collections and scale settings are not walked.
    EXPECT_EQ(visited, (QList<QObject*>{&root, holder, grandChild, second}));
    EXPECT_EQ(root.Caption(), QStringLiteral("Root"));
    EXPECT_EQ(grandChild->Caption(), QStringLiteral("Grandchild"));
    EXPECT_EQ(second->Caption(), QStringLiteral("BF_Second"));
}

// A small window read from a stored layout, as the program's windows are.
class FormWalkTest : public testing::Test {
protected:
    void SetUp() override {
        registerComponentClass<TRChart>(QStringLiteral("TRChart"));
        readFormLayout(form, QStringLiteral(KYVELO_TEST_DATA "/layouts/translate_form.lfm"));
    }

    template <class T> T* component(const char* name) {
        return dynamic_cast<T*>(form.FindComponent(QString::fromLatin1(name)));
    }

    TForm form;
};

TEST_F(FormWalkTest, WithALanguageFileTheWindowShowsItsTexts) {
    TRivazidad2000 dictionary(QString{});
    loadFile(dictionary, "german.itl");
    dictionary.TranslateComponent(&form);

    EXPECT_EQ(form.Caption(), QStringLiteral(u"Weg \u2013 Zeit \u2013 Geschwindigkeit"));
    EXPECT_EQ(form.Name(), QStringLiteral("TranslateForm"));
    auto* exit = component<TSpeedButton>("BF_Exit");
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->Name(), QStringLiteral("BF_Exit"));
    EXPECT_EQ(exit->Caption(), QStringLiteral("Beenden"));
    EXPECT_EQ(exit->Hint(), QStringLiteral("Beenden"));
    auto* showCH = component<TCheckBox>("CBoxShowCH");
    EXPECT_EQ(showCH->Caption(), QStringLiteral("Fadenkreuze zeigen"));
    EXPECT_EQ(showCH->Hint(), QStringLiteral("Fadenkreuze ein- oder ausblenden"));
    EXPECT_EQ(component<TLabel>("Label1")->Caption(), QStringLiteral("bf_Exit"));
    auto* mode = component<TComboBox>("CBoxMode");
    EXPECT_EQ(mode->Items(), (QStringList{QStringLiteral(u"Gleichf\u00f6rmige Bewegung"),
                                          QStringLiteral(u"Normale Stra\u00dfenlage"),
                                          QStringLiteral(u"Hin und zur\u00fcck")}));
    EXPECT_EQ(mode->ItemIndex(), 1);
    EXPECT_EQ(mode->Text(), QStringLiteral(u"Normale Stra\u00dfenlage"));
    EXPECT_EQ(component<TComboBox>("CBoxFree")->Text(), QStringLiteral(u"Profil w\u00e4hlen"));
    auto* chart = component<TRChart>("RC1");
    EXPECT_EQ(chart->Caption(), QStringLiteral("Diagramm"));
    EXPECT_EQ(chart->Scale1X()->Caption(), QStringLiteral("Zeit [min]"));
    EXPECT_EQ(chart->Scale1Y()->Caption(), QStringLiteral("Weg [km]"));
    EXPECT_EQ(chart->Scale2X()->Caption(), QStringLiteral("Beenden"));
}

TEST_F(FormWalkTest, WithoutALanguageFileTheTextsLoseTheirPrefix) {
    TRivazidad2000 dictionary(QString{});
    dictionary.TranslateComponent(&form);
    EXPECT_EQ(form.Caption(), QStringLiteral("Distance - Time - Velocity"));
    EXPECT_EQ(component<TSpeedButton>("BF_Exit")->Caption(), QStringLiteral("Exit"));
    EXPECT_EQ(component<TComboBox>("CBoxMode")->Text(), QStringLiteral("Standard Road Situation"));
    EXPECT_EQ(component<TRChart>("RC1")->Scale1X()->Caption(), QStringLiteral("Time [min]"));
}

} // namespace

// A walk after another file was loaded translates anew from the keys the first walk replaced; a
// text the program set since then is no translation and stays as it is set.
TEST(WalkAgain, TranslatesFromTheKeysTheFirstWalkReplaced) {
    const auto load = [](TRivazidad2000& dictionary, const QByteArray& entries) {
        QByteArray bytes = entries;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        dictionary.LoadFromStream(buffer);
    };
    TRivazidad2000 dictionary{QString{}};
    TTextHolder holder(nullptr);
    holder.SetCaption(QStringLiteral("BF_Exit"));
    holder.SetLines({QStringLiteral("BF_Exit"), QStringLiteral("plain")});
    load(dictionary, "[Exit]=Ende|$$\r\n");
    dictionary.TranslateObject(&holder);
    EXPECT_EQ(holder.Lines(), (QStringList{QStringLiteral("Ende"), QStringLiteral("plain")}));

    load(dictionary, "[Exit]=Sortie|$$\r\n");
    dictionary.TranslateObject(&holder);
    EXPECT_EQ(holder.Caption(), QStringLiteral("Sortie"));
    EXPECT_EQ(holder.Lines(), (QStringList{QStringLiteral("Sortie"), QStringLiteral("plain")}));
    const int listWrites = holder.LinesWrites();
    dictionary.TranslateObject(&holder);
    EXPECT_EQ(holder.LinesWrites(), listWrites); // the same texts again: not written

    holder.SetCaption(QStringLiteral("Set by the program"));
    load(dictionary, "[Exit]=Koniec|$$\r\n");
    dictionary.TranslateObject(&holder);
    EXPECT_EQ(holder.Caption(), QStringLiteral("Set by the program"));
    EXPECT_EQ(holder.Lines(), (QStringList{QStringLiteral("Koniec"), QStringLiteral("plain")}));
}
