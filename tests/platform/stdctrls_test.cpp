#include "platform/controls/buttons.h"
#include "platform/controls/forms.h"
#include "platform/controls/stdctrls.h"
#include "platform/layout/layouterror.h"
#include "platform/layout/layoutloader.h"

#include "../qstringprinter.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

using enum Controls::TAlign;
using enum Forms::TFormBorderStyle;
using enum StdCtrls::TBevelCut;
using enum StdCtrls::TComboBoxStyle;

namespace {

// The bytes of an image file, as hex for a layout's binary block.
QString imageHex(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return QString::fromLatin1(bytes.toHex());
}

// Two 20x20 glyphs side by side: up red, disabled blue, on a magenta background whose colour the
// bottom-left pixel carries.
QImage glyphStrip() {
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 255));
    for (int y = 5; y < 15; ++y)
        for (int x = 5; x < 15; ++x) {
            image.setPixel(x, y, qRgb(255, 0, 0));
            image.setPixel(x + 20, y, qRgb(0, 0, 255));
        }
    return image;
}

QStringList gClicks;

} // namespace

TEST(StdCtrls, GlyphFromLayoutBytesSplitsAndKeysOutTheCornerColour) {
    TForm form;
    const QString layout = QStringLiteral("object F: TForm\n  object SB: TSpeedButton\n    NumGlyphs = 2\n"
                                          "    Flat = True\n    Glyph = {\n%1\n}\n  end\nend\n")
                               .arg(imageHex(glyphStrip(), "BMP"));
    loadFormLayout(form, parseLayout(layout, QStringLiteral("g.lfm")), QStringLiteral("g.lfm"), 96);
    const auto* button = dynamic_cast<TSpeedButton*>(form.FindComponent(QStringLiteral("SB")));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Glyph().size(), QSize(40, 20));
    EXPECT_EQ(button->NumGlyphs(), 2);
    EXPECT_TRUE(button->Flat());

    const QIcon icon = glyphIcon(glyphStrip(), 2);
    const QImage up = icon.pixmap(QSize(20, 20), QIcon::Normal).toImage();
    const QImage disabled = icon.pixmap(QSize(20, 20), QIcon::Disabled).toImage();
    EXPECT_EQ(up.size(), QSize(20, 20));
    EXPECT_EQ(qAlpha(up.pixel(0, 19)), 0);
    EXPECT_EQ(qAlpha(up.pixel(2, 2)), 0);
    EXPECT_EQ(up.pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(disabled.pixel(10, 10), qRgb(0, 0, 255));
    EXPECT_EQ(qAlpha(disabled.pixel(0, 0)), 0);

    TForm other;
    try {
        loadFormLayout(
            other,
            parseLayout(QStringLiteral("object F: TForm\n  object SB: TBitBtn\n    Glyph = {00FF}\n"
                                       "  end\nend\n"),
                        QStringLiteral("g.lfm")),
            QStringLiteral("g.lfm"));
        FAIL() << "no error";
    } catch (const ELayoutError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("g.lfm(3): bad value for Glyph: \"{...}\""));
    }
}

TEST(StdCtrls, ComboBoxChangesFromCodeAreSilent) {
    TComboBox combo(nullptr);
    combo.SetOnChange([](QObject*) { gClicks << QStringLiteral("change"); });
    gClicks.clear();
    combo.SetStyle(csDropDownList);
    combo.SetItems({"a", "b", "c"});
    EXPECT_EQ(combo.ItemIndex(), -1); // filling the list selects nothing
    combo.SetItemIndex(2);
    combo.SetItemIndex(3); // out of range: ignored
    EXPECT_EQ(combo.ItemIndex(), 2);
    combo.SetItems({"A", "B", "C"}); // a translation keeps the choice
    EXPECT_EQ(combo.Text(), QStringLiteral("C"));
    combo.SetItems({"x"});
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_TRUE(gClicks.isEmpty());
    emit combo.findChild<QComboBox*>()->activated(0);
    EXPECT_EQ(gClicks, QStringList{"change"});
}

// A box read from a layout becomes what its style says once loaded; a drop-down list never builds
// the line edit of an editable box, and a text in the layout of an editable one stays its edit text.
TEST(StdCtrls, ComboBoxFromALayoutTakesItsStyleWhenLoaded) {
    const struct {
        const char* properties;
        bool editable;
        const char* text;
        int index;
    } cases[] = {
        {"Style = csDropDownList\n Items = ( 'a' 'b' )\n ItemIndex = 1\n", false, "b", 1},
        {"Items = ( 'a' 'b' )\n Style = csDropDownList\n", false, "", -1},
        {"Items = ( 'a' 'b' )\n", true, "", -1},
        {"Items = ( 'a' 'b' )\n Text = 'free'\n", true, "free", -1},
        {"Text = 'free'\n Items = ( 'a' 'b' )\n", true, "free", -1},
    };
    for (const auto& c : cases) {
        TForm form;
        const QString layout =
            QStringLiteral("object F: TForm\n object CB: TComboBox\n %1 end\nend\n").arg(c.properties);
        loadFormLayout(form, parseLayout(layout, QStringLiteral("c.lfm")), QStringLiteral("c.lfm"), 96);
        const auto* box = dynamic_cast<TComboBox*>(form.FindComponent(QStringLiteral("CB")));
        ASSERT_NE(box, nullptr) << c.properties;
        const auto* inner = box->findChild<QComboBox*>();
        EXPECT_EQ(inner->isEditable(), c.editable) << c.properties;
        EXPECT_EQ(box->findChild<QLineEdit*>() != nullptr, c.editable) << c.properties;
        EXPECT_EQ(box->Text(), QString::fromLatin1(c.text)) << c.properties;
        EXPECT_EQ(box->ItemIndex(), c.index) << c.properties;
    }
}

TEST(StdCtrls, ComboBoxTextIsTheEditTextOrChoosesAnItem) {
    TComboBox combo(nullptr);
    combo.SetItems({"a", "b"});
    combo.SetText(QStringLiteral("free"));
    EXPECT_EQ(combo.Text(), QStringLiteral("free"));
    EXPECT_EQ(combo.ItemIndex(), -1);
    combo.SetItems({"c", "d"}); // a new list keeps the free text
    EXPECT_EQ(combo.Text(), QStringLiteral("free"));
    combo.SetItems({"a", "b"});
    combo.SetStyle(csDropDownList);
    combo.SetText(QStringLiteral("b"));
    EXPECT_EQ(combo.ItemIndex(), 1);
    combo.SetText(QStringLiteral("none of them")); // a list has no free text: ignored
    EXPECT_EQ(combo.Text(), QStringLiteral("b"));
}

TEST(StdCtrls, CheckBoxClicksOnEveryChange) {
    TCheckBox box(nullptr);
    gClicks.clear();
    box.SetOnClick([](QObject* sender) { gClicks << sender->objectName(); });
    box.SetName(QStringLiteral("CB"));
    box.SetChecked(true);
    box.SetChecked(true); // no change, no click
    box.SetChecked(false);
    EXPECT_EQ(gClicks, (QStringList{"CB", "CB"}));
}

TEST(StdCtrls, PanelBevelsNarrowTheAlignedArea) {
    TPanel panel(nullptr);
    panel.SetBounds(0, 0, 792, 80);
    auto* view = new TControl(&panel, &panel);
    view->SetAlign(alClient);
    EXPECT_EQ(view->geometry(), QRect(1, 1, 790, 78));
    panel.SetBevelInner(bvLowered);
    panel.SetBevelWidth(2);
    EXPECT_EQ(view->geometry(), QRect(4, 4, 784, 72));
    panel.SetBevelOuter(bvNone);
    panel.SetBevelInner(bvNone);
    EXPECT_EQ(view->geometry(), QRect(0, 0, 792, 80));
}

TEST(StdCtrls, LabelSizesItselfToItsText) {
    TLabel label(nullptr);
    label.SetBounds(8, 16, 84, 16);
    label.SetCaption(QStringLiteral("BF_Velocity"));
    const QSize shortText = label.size();
    label.SetCaption(QStringLiteral("Geschwindigkeit in km/h"));
    EXPECT_GT(label.Width(), shortText.width());
    EXPECT_EQ(label.Left(), 8);
    label.SetAutoSize(false);
    label.SetWidth(30);
    label.SetCaption(QStringLiteral("x"));
    EXPECT_EQ(label.Width(), 30);
    label.SetWordWrap(true);
    label.SetAutoSize(true); // wrapping keeps the width and takes the height
    label.SetCaption(QStringLiteral("many words that need several lines"));
    EXPECT_EQ(label.Width(), 30);
    EXPECT_GT(label.Height(), 2 * shortText.height());
}

TEST(StdCtrls, FormShowsModallyUntilClosed) {
    TForm form;
    form.SetBorderStyle(bsDialog);
    form.SetBounds(0, 0, 300, 200);
    int shows = 0;
    form.SetOnShow([&](QObject*) {
        ++shows;
        QTimer::singleShot(0, &form, [&] { form.Close(); });
    });
    form.ShowModal();
    form.ShowModal();
    EXPECT_EQ(shows, 2);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.minimumSize(), QSize(300, 200)); // a dialog's frame is fixed
}

TEST(StdCtrls, FormShowEventComesWithTheWindowOnScreen) {
    TForm form;
    form.SetBounds(0, 0, 200, 100);
    bool onScreen = false;
    form.SetOnShow([&](QObject*) { onScreen = form.windowHandle() && form.windowHandle()->isVisible(); });
    form.show();
    EXPECT_TRUE(onScreen); // a modal dialog opened here shows in front of it
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    form.SetIcon(icon);
    EXPECT_EQ(form.windowIcon().pixmap(32, 32).toImage().pixelColor(5, 5), QColor(Qt::red));
    form.SetIcon(QImage());
    EXPECT_TRUE(form.windowIcon().isNull());
}

// A menu bar lies above the client area: the window grows by its height, and the aligned controls
// keep their sizes and their places in the client area.
TEST(StdCtrls, FormMenuBarLiesAboveTheClientArea) {
    TForm form;
    form.SetClientWidth(792);
    form.SetClientHeight(567);
    auto* top = new TPanel(&form, &form);
    top->SetBounds(0, 0, 792, 41);
    top->SetAlign(alTop);
    auto* client = new TPanel(&form, &form);
    client->SetAlign(alClient);
    auto* bar = new QMenuBar;
    bar->addMenu(QStringLiteral("&File"));
    form.SetMenuBar(bar);
    const int barHeight = bar->height();
    ASSERT_GT(barHeight, 0);
    EXPECT_EQ(bar->geometry(), QRect(0, 0, 792, barHeight));
    EXPECT_EQ(form.size(), QSize(792, 567 + barHeight));
    EXPECT_EQ(form.ClientHeight(), 567);
    EXPECT_EQ(top->geometry(), QRect(0, barHeight, 792, 41));
    EXPECT_EQ(client->geometry(), QRect(0, barHeight + 41, 792, 526));
    form.SetClientHeight(600);
    EXPECT_EQ(client->geometry(), QRect(0, barHeight + 41, 792, 559));
}
