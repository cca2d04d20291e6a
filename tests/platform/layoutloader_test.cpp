#include "platform/controls/buttons.h"
#include "platform/controls/forms.h"
#include "platform/controls/stdctrls.h"
#include "platform/layout/layouterror.h"
#include "platform/layout/layoutloader.h"
#include "platform/layout/layoutregistry.h"

#include "../qstringprinter.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>

#include <cstdint>

using enum Controls::TAlign;
using enum Controls::TAnchorKind;
using enum Graphics::TFontStyle;
using enum StdCtrls::TComboBoxStyle;

namespace {

QStringList gLog;

// A chart's scale settings stand-in: a sub-object with its own sub-object.
class TDummyScale : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption MEMBER FCaption)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(QChar Separator MEMBER FSeparator)
public:
    TDummyScale(QObject* parent) : QObject(parent), FFont(new TFont(this)) {}
    TFont* Font() const { return FFont; }
    QString FCaption;
    QChar FSeparator;

private:
    TFont* FFont;
};

using TMouseMoveInChartEvent = std::function<void(QObject*, bool, Qt::KeyboardModifiers, double, double)>;

// Chart-like control: a sub-object, a float, a colour, a read-only property, an event of its own,
// and a setter that refuses values by raising.
class TDummyChart : public TControl {
    Q_OBJECT
    Q_PROPERTY(TDummyScale* Scale1X READ Scale1X)
    Q_PROPERTY(double MinRange READ MinRange WRITE SetMinRange)
    Q_PROPERTY(TColor AreaColor MEMBER FAreaColor)
    Q_PROPERTY(int Count READ Count)
public:
    TDummyChart(TComponentBase* owner, QWidget* parent)
        : TControl(owner, parent), FScale(new TDummyScale(this)) {
        PublishEvent(QStringLiteral("OnMouseMoveInChart"), &OnMouseMoveInChart);
    }
    TDummyScale* Scale1X() const { return FScale; }
    double MinRange() const { return FMinRange; }
    void SetMinRange(double v) {
        if (v <= 0) throw Exception(QStringLiteral("range must be positive"));
        if (IsLoading()) gLog << QStringLiteral("MinRange set while loading");
        FMinRange = v;
    }
    int Count() const { return 0; }
    void Loaded() override {
        TControl::Loaded();
        gLog << Name() + QStringLiteral(" loaded");
    }
    TMouseMoveInChartEvent OnMouseMoveInChart;
    TColor FAreaColor = 0;

private:
    TDummyScale* FScale;
    double FMinRange = 0;
};

class TTestForm : public TForm {
    Q_OBJECT
public:
    TTestForm() {
        PublishHandler(QStringLiteral("FormShow"), this, &TTestForm::FormShow);
        PublishHandler(QStringLiteral("CBox1PointClick"), this, &TTestForm::CBox1PointClick);
        PublishHandler(QStringLiteral("CBoxModeChange"), this, &TTestForm::CBoxModeChange);
        PublishHandler(QStringLiteral("SBExitClick"), this, &TTestForm::SBExitClick);
        PublishHandler(QStringLiteral("RC1MouseMoveInChart"), this, &TTestForm::RC1MouseMoveInChart);
    }
    void FormShow(QObject* sender) { gLog << QStringLiteral("FormShow ") + sender->objectName(); }
    void CBox1PointClick(QObject* sender) { gLog << QStringLiteral("click ") + sender->objectName(); }
    void CBoxModeChange(QObject* sender) { gLog << QStringLiteral("change ") + sender->objectName(); }
    void SBExitClick(QObject*) { gLog << QStringLiteral("exit"); }
    void RC1MouseMoveInChart(QObject* sender, bool inChart, Qt::KeyboardModifiers shift, double x, double y) {
        gLog << QStringLiteral("move %1 %2 %3 %4 %5")
                    .arg(sender->objectName())
                    .arg(inChart)
                    .arg(shift.testFlag(Qt::ShiftModifier))
                    .arg(x)
                    .arg(y);
    }
    void Loaded() override {
        TForm::Loaded();
        gLog << Name() + QStringLiteral(" loaded");
    }
};

const char* const MainLayout = R"(object Form1: TTestForm
  Left = 306
  Top = 230
  Width = 800
  Height = 600
  Caption = 'BF_Distance - Time - Velocity'
  Color = clBtnFace
  Constraints.MinWidth = 640
  Constraints.MinHeight = 480
  Font.Color = clWindowText
  Font.Height = -13
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OnShow = FormShow
  PixelsPerInch = 120
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 792
    Height = 41
    Align = alTop
    TabOrder = 1
    object CBox1Point: TCheckBox
      Left = 8
      Top = 22
      Width = 201
      Height = 17
      Caption = 'BF_Single Point Measurement'
      TabOrder = 0
      OnClick = CBox1PointClick
    end
    object CBoxShowCH: TCheckBox
      Left = 8
      Top = 4
      Width = 185
      Height = 17
      Caption = 'BF_Show Crosshairs'
      Checked = True
      OnClick = CBox1PointClick
    end
    object CBoxMode: TComboBox
      Left = 344
      Top = 8
      Width = 217
      Height = 24
      Anchors = [akTop, akRight]
      Style = csDropDownList
      ItemHeight = 16
      ItemIndex = 1
      OnChange = CBoxModeChange
      Items = (
        'BF_Uniform Movement'
        'BF_Standard Road Situation'
        'BF_Back and Forth')
    end
    object SBExit: TSpeedButton
      Left = 680
      Top = 5
      Width = 105
      Height = 29
      Anchors = [akTop, akRight]
      Caption = 'BF_Exit'
      Hint = 'Exit'
      ShowHint = True
      OnClick = SBExitClick
    end
  end
  object RC1: TDummyChart
    Left = 0
    Top = 41
    Width = 576
    Height = 446
    Align = alClient
    MinRange = 1e-10
    AreaColor = 14540253
    Scale1X.Caption = 'BF_Time [min]'
    Scale1X.Font.Height = -13
    Scale1X.Separator = '-'
    OnMouseMoveInChart = RC1MouseMoveInChart
  end
  object Panel2: TPanel
    Left = 576
    Top = 41
    Width = 216
    Height = 446
    Align = alRight
    object Label1: TLabel
      Left = 8
      Top = 16
      Width = 84
      Height = 16
      Caption = 'BF_Velocity'
      Font.Style = [fsBold]
    end
  end
  object Panel3: TPanel
    Left = 0
    Top = 487
    Width = 792
    Height = 80
    Align = alBottom
  end
end
)";

template <class T> T* find(const TForm& form, const char* name) {
    return dynamic_cast<T*>(form.FindComponent(QLatin1String(name)));
}

void registerDummies() {
    registerComponentClass<TDummyChart>(QStringLiteral("TDummyChart"));
}

// The message of the error that loading the layout raises, or "" when it loads.
QString loadError(const QString& text, int screenPpi = 120) {
    registerDummies();
    TTestForm form;
    try {
        loadFormLayout(form, parseLayout(text, QStringLiteral("f.lfm")), QStringLiteral("f.lfm"), screenPpi);
    } catch (const ELayoutError& e) {
        return e.Message();
    }
    return {};
}

// A one-component layout around the given property lines of a TDummyChart.
QString chartWith(const QString& lines) {
    return QStringLiteral("object Form1: TTestForm\n  object RC1: TDummyChart\n%1\n  end\nend\n").arg(lines);
}

class LayoutLoader : public testing::Test {
protected:
    void SetUp() override {
        registerDummies();
        gLog.clear();
    }
    void Load(int screenPpi) {
        loadFormLayout(form, parseLayout(QByteArray(MainLayout), QStringLiteral("mainfrm.lfm")),
                       QStringLiteral("mainfrm.lfm"), screenPpi);
    }
    QRect Bounds(const char* name) const { return find<TControl>(form, name)->geometry(); }

    TTestForm form;
};

} // namespace

TEST_F(LayoutLoader, PlacesAlignedAndAnchoredControlsExactly) {
    Load(120);
    EXPECT_EQ(form.Caption(), QStringLiteral("BF_Distance - Time - Velocity"));
    EXPECT_EQ(form.size(), QSize(800, 600));
    EXPECT_EQ(Bounds("Panel1"), QRect(0, 0, 800, 41));
    EXPECT_EQ(Bounds("Panel3"), QRect(0, 520, 800, 80));
    EXPECT_EQ(Bounds("Panel2"), QRect(584, 41, 216, 479));
    EXPECT_EQ(Bounds("RC1"), QRect(0, 41, 584, 479));
    // Designed in a panel 792 wide, now 800: the right-anchored controls moved with its right edge.
    EXPECT_EQ(Bounds("CBoxMode"), QRect(352, 8, 217, 24));
    EXPECT_EQ(Bounds("SBExit"), QRect(688, 5, 105, 29));
    EXPECT_EQ(Bounds("CBox1Point"), QRect(8, 22, 201, 17));

    form.SetBounds(306, 230, 1000, 700);
    EXPECT_EQ(Bounds("RC1"), QRect(0, 41, 784, 579));
    EXPECT_EQ(Bounds("Panel2"), QRect(784, 41, 216, 579));
    EXPECT_EQ(Bounds("Panel3"), QRect(0, 620, 1000, 80));
    EXPECT_EQ(Bounds("CBoxMode"), QRect(552, 8, 217, 24));
    EXPECT_EQ(Bounds("SBExit"), QRect(888, 5, 105, 29));

    form.SetBounds(306, 230, 100, 100); // the constraints hold
    EXPECT_EQ(form.size(), QSize(640, 480));
    EXPECT_EQ(Bounds("RC1"), QRect(0, 41, 424, 359));
    EXPECT_EQ(Bounds("SBExit"), QRect(528, 5, 105, 29));
    EXPECT_EQ(form.PixelsPerInch(), 120);
}

TEST_F(LayoutLoader, ScalesFrom120To96AsItReads) {
    Load(96);
    EXPECT_EQ(form.pos(), QPoint(306, 230)); // the screen position is not scaled
    EXPECT_EQ(form.size(), QSize(640, 480));
    EXPECT_EQ(form.Constraints()->MinWidth(), 512);
    EXPECT_EQ(form.Constraints()->MinHeight(), 384);
    EXPECT_EQ(form.Font()->Height(), -10); // -10.4
    EXPECT_EQ(form.PixelsPerInch(), 96);
    EXPECT_EQ(Bounds("Panel1"), QRect(0, 0, 640, 33));     // 32.8
    EXPECT_EQ(Bounds("Panel3"), QRect(0, 416, 640, 64));   // 64
    EXPECT_EQ(Bounds("Panel2"), QRect(467, 33, 173, 383)); // 172.8
    EXPECT_EQ(Bounds("RC1"), QRect(0, 33, 467, 383));
    // 344, 8, 217, 24 -> 275, 6, 174, 19 in a panel designed 634 wide, now 640.
    EXPECT_EQ(Bounds("CBoxMode"), QRect(281, 6, 174, 19));
    EXPECT_EQ(find<TDummyChart>(form, "RC1")->Scale1X()->Font()->Height(), -10);
    // Inherited fonts come from the scaled form font; the label's own bold font too.
    EXPECT_EQ(find<TPanel>(form, "Panel2")->Font()->Height(), -10);
    const TLabel* label = find<TLabel>(form, "Label1");
    EXPECT_EQ(label->Font()->Height(), -10);
    EXPECT_EQ(label->Font()->Style(), TFontStyles(fsBold));
    EXPECT_FALSE(label->ParentFont());
    form.Font()->SetHeight(-20);
    EXPECT_EQ(find<TPanel>(form, "Panel2")->Font()->Height(), -20);
    EXPECT_EQ(label->Font()->Height(), -10);
}

// A design resolution more than eight times coarser or finer than the screen's is a slip: the
// layout is read as written rather than blown up (3 -> 144 would make the chart gigabytes large).
TEST(LayoutLoaderScaling, ScalesOnlyWithinEightTimesTheScreenResolution) {
    registerDummies();
    const struct {
        int design;
        int screen;
        int width;
        int formPixelsPerInch;
    } cases[] = {
        {15, 120, 800, 120}, {14, 120, 100, 14}, {3, 144, 100, 3}, {960, 120, 13, 120}, {961, 120, 100, 961},
    };
    for (const auto& c : cases) {
        TTestForm form;
        const QString text = QStringLiteral("object Form1: TTestForm\n  PixelsPerInch = %1\n"
                                            "  object RC1: TDummyChart\n    Width = 100\n  end\nend\n")
                                 .arg(c.design);
        loadFormLayout(form, parseLayout(text, QStringLiteral("f.lfm")), QStringLiteral("f.lfm"), c.screen);
        EXPECT_EQ(find<TDummyChart>(form, "RC1")->width(), c.width) << c.design << " -> " << c.screen;
        EXPECT_EQ(form.PixelsPerInch(), c.formPixelsPerInch) << c.design << " -> " << c.screen;
    }
}

// Lengths beyond any screen are refused as read (after scaling), before a chart of that size asks
// for gigabytes; positions too.
TEST(LayoutLoaderErrors, LengthsBeyondTenThousandPixels) {
    const struct {
        const char* line;
        int screenPpi;
        const char* error;
    } cases[] = {
        {"    Width = 10000", 120, ""},
        {"    Width = -10000", 120, ""},
        {"    Width = 10001", 120, "f.lfm(4): bad value for Width: \"10001\""},
        {"    Left = -10001", 120, "f.lfm(4): bad value for Left: \"-10001\""},
        {"    Height = 1251", 960, "f.lfm(4): bad value for Height: \"1251\""}, // 10008 at 960
        {"    Height = 1250", 960, ""},
        {"    Scale1X.Font.Height = -10001", 120, "f.lfm(4): bad value for Scale1X.Font.Height: \"-10001\""},
    };
    for (const auto& c : cases) {
        const QString text = QStringLiteral("object Form1: TTestForm\n  PixelsPerInch = 120\n"
                                            "  object RC1: TDummyChart\n%1\n  end\nend\n")
                                 .arg(QLatin1String(c.line));
        EXPECT_EQ(loadError(text, c.screenPpi), QLatin1String(c.error)) << c.line;
    }
}

TEST_F(LayoutLoader, SetsEveryKindOfPropertyAndEndsWithLoadedInCreationOrder) {
    Load(120);
    const auto* chart = find<TDummyChart>(form, "RC1");
    EXPECT_DOUBLE_EQ(chart->MinRange(), 1e-10);
    EXPECT_EQ(chart->FAreaColor, 0xDDDDDD);
    EXPECT_EQ(chart->Scale1X()->FCaption, QStringLiteral("BF_Time [min]"));
    EXPECT_EQ(chart->Scale1X()->FSeparator, QChar(u'-'));
    EXPECT_EQ(form.Color(), clBtnFace);
    EXPECT_EQ(find<TControl>(form, "CBoxMode")->Anchors(), akTop | akRight);
    const auto* combo = find<TComboBox>(form, "CBoxMode");
    EXPECT_EQ(combo->Style(), csDropDownList);
    EXPECT_EQ(combo->ItemIndex(), 1); // stated before the items, kept until they were there
    EXPECT_EQ(combo->Text(), QStringLiteral("BF_Standard Road Situation"));
    EXPECT_TRUE(find<TCheckBox>(form, "CBoxShowCH")->Checked());
    EXPECT_EQ(find<TSpeedButton>(form, "SBExit")->toolTip(), QStringLiteral("Exit"));
    EXPECT_EQ(find<TPanel>(form, "Panel1")->TabOrder(), 1);
    // Checking a box while reading fires no handler; the setter ran in the loading state.
    EXPECT_EQ(gLog, (QStringList{"MinRange set while loading", "Form1 loaded", "RC1 loaded"}));
    for (const TComponentBase* c : form.Components())
        EXPECT_FALSE(c->IsLoading()) << c->Name().toStdString();
    EXPECT_EQ(form.ComponentCount(), 9);
    EXPECT_EQ(form.Components()[2]->Name(), QStringLiteral("CBoxShowCH"));
}

TEST_F(LayoutLoader, BindsHandlersByName) {
    Load(120);
    gLog.clear();
    form.show();
    form.hide();
    form.show();
    find<TCheckBox>(form, "CBox1Point")->findChild<QCheckBox*>()->click();
    find<TCheckBox>(form, "CBoxShowCH")->SetChecked(false);
    auto* combo = find<TComboBox>(form, "CBoxMode");
    combo->SetItemIndex(2); // from code: no OnChange
    emit combo->findChild<QComboBox*>()->activated(0);
    find<TSpeedButton>(form, "SBExit")->Click();
    find<TDummyChart>(form, "RC1")
        ->OnMouseMoveInChart(find<TDummyChart>(form, "RC1"), true, Qt::ShiftModifier, 50, 62.5);
    EXPECT_EQ(gLog, (QStringList{"FormShow Form1", "FormShow Form1", "click CBox1Point", "click CBoxShowCH",
                                 "change CBoxMode", "exit", "move RC1 1 1 50 62.5"}));
    form.hide();
}

TEST(LayoutLoaderErrors, NameFileLineAndWord) {
    EXPECT_EQ(loadError(QStringLiteral("object Form1: TOtherForm\nend")),
              QStringLiteral("f.lfm(1): form class does not match \"TOtherForm\""));
    EXPECT_EQ(loadError(QStringLiteral("object Form1: TForm\nend")), QString()); // an ancestor's name will do
    EXPECT_EQ(loadError(QStringLiteral("object Form1: TTestForm\n  object X: TNoSuchThing\n  end\nend")),
              QStringLiteral("f.lfm(2): unknown class \"TNoSuchThing\""));
    EXPECT_EQ(loadError(chartWith("    Widht = 3")), QStringLiteral("f.lfm(3): unknown property \"Widht\""));
    EXPECT_EQ(loadError(chartWith("    Scale1X.Font.Hieght = 3")),
              QStringLiteral("f.lfm(3): unknown property \"Scale1X.Font.Hieght\""));
    EXPECT_EQ(loadError(chartWith("    Scale1X.Caption.Text = 'a'")),
              QStringLiteral("f.lfm(3): unknown property \"Scale1X.Caption.Text\""));
    EXPECT_EQ(loadError(chartWith("    Count = 3")), QStringLiteral("f.lfm(3): unknown property \"Count\""));
    EXPECT_EQ(loadError(chartWith("    Align = alMiddle")),
              QStringLiteral("f.lfm(3): bad value for Align: \"alMiddle\""));
    EXPECT_EQ(loadError(chartWith("    Anchors = [akTop, akUp]")),
              QStringLiteral("f.lfm(3): bad value for Anchors: \"akUp\""));
    EXPECT_EQ(loadError(chartWith("    Width = 'wide'")),
              QStringLiteral("f.lfm(3): bad value for Width: \"'wide'\""));
    EXPECT_EQ(loadError(chartWith("    Width = 3000000000")),
              QStringLiteral("f.lfm(3): bad value for Width: \"3000000000\""));
    EXPECT_EQ(loadError(chartWith("    AreaColor = clNoColour")),
              QStringLiteral("f.lfm(3): bad value for AreaColor: \"clNoColour\""));
    EXPECT_EQ(loadError(chartWith("    Visible = 1")),
              QStringLiteral("f.lfm(3): bad value for Visible: \"1\""));
    EXPECT_EQ(loadError(chartWith("    Scale1X.Separator = 'ab'")),
              QStringLiteral("f.lfm(3): bad value for Scale1X.Separator: \"'ab'\""));
    EXPECT_EQ(loadError(chartWith("    MinRange = -1")),
              QStringLiteral("f.lfm(3): bad value for MinRange: range must be positive: \"-1\""));
    EXPECT_EQ(loadError(chartWith("    OnMouseMoveInChart = NoSuchHandler")),
              QStringLiteral("f.lfm(3): unknown handler \"NoSuchHandler\""));
    EXPECT_EQ(loadError(chartWith("    OnMouseMoveInChart = FormShow")),
              QStringLiteral("f.lfm(3): handler does not fit OnMouseMoveInChart: \"FormShow\""));
    EXPECT_EQ(loadError(chartWith("    OnMouseMoveInChart = 'FormShow'")),
              QStringLiteral("f.lfm(3): expected a handler name but found \"'FormShow'\""));
    EXPECT_EQ(
        loadError(QStringLiteral("object Form1: TTestForm\n  object P: TPanel\n  end\n  object P: TLabel\n"
                                 "  end\nend")),
        QStringLiteral("f.lfm(4): duplicate component name \"P\""));
    EXPECT_EQ(loadError(QStringLiteral("object Form1: TTestForm\n  object P: TPanel\n  end\n")),
              QStringLiteral("f.lfm(1): missing \"end\" of \"Form1\""));
}

TEST(LayoutLoaderErrors, ReadsFilesAndNamesAMissingOne) {
    registerDummies();
    TTestForm form;
    readFormLayout(form, QStringLiteral(KYVELO_TEST_DATA "/layouts/small_form.lfm"), 96);
    EXPECT_EQ(form.size(), QSize(400, 240));
    EXPECT_EQ(find<TLabel>(form, "Lbl")->Caption(), QStringLiteral("it's\r\n#2"));
    EXPECT_FALSE(find<TLabel>(form, "Lbl")->AutoSize());
    EXPECT_EQ(find<TLabel>(form, "Lbl")->geometry(), QRect(8, 8, 200, 16));
    try {
        TTestForm other;
        readFormLayout(other, QStringLiteral("/no/such/layout.lfm"));
        FAIL() << "no error";
    } catch (const ELayoutError& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("/no/such/layout.lfm: cannot read the layout \"")))
            << e.Message().toStdString();
    }
}

// Damaged copies of the main layout: each loads or fails with a layout error, never otherwise.
TEST(LayoutLoaderErrors, DamagedLayoutsNameTheDamageAndItsLine) {
    const QString text = QString::fromLatin1(MainLayout);
    const struct {
        const char* from;
        const char* to;
        const char* message;
    } cases[] = {
        {"  Top = 230\n", "  Top = 230 231\n", R"(f.lfm(3): expected a name but found "231")"},
        {"'BF_Distance - Time - Velocity'", "'BF_Distance",
         R"(f.lfm(6): unterminated string "'BF_Distance")"},
        {"  object RC1: TDummyChart", "  object RC1: TDummyChar", R"(f.lfm(68): unknown class "TDummyChar")"},
        {"    Align = alTop\n", "    Align = alTp\n", R"(f.lfm(21): bad value for Align: "alTp")"},
        {"  Font.Style = []\n", "  Font.Style = [fsBold\n", R"(f.lfm(14): expected "," but found "OnShow")"},
        // An extra end closes Panel1 early and Panel1's own end the form.
        {"    TabOrder = 1\n", "    TabOrder = 1\n  end\n", R"(f.lfm(69): unexpected "object")"},
        {"\nend\n", "\n", R"(f.lfm(1): missing "end" of "Form1")"},
    };
    for (const auto& c : cases) {
        QString damaged = text;
        ASSERT_TRUE(damaged.contains(QLatin1String(c.from))) << c.from;
        damaged.replace(QLatin1String(c.from), QLatin1String(c.to));
        EXPECT_EQ(loadError(damaged), QString::fromLatin1(c.message)) << c.from;
    }
}

// Random damage: whatever it hits, the reader either loads or raises a layout error that names the
// file and a line of it, and leaves nothing behind that would stop the next load.
TEST(LayoutLoaderErrors, RandomlyDamagedLayoutsFailCleanly) {
    registerDummies();
    const QString text = QString::fromLatin1(MainLayout);
    std::uint32_t seed = 12345;
    auto next = [&seed](qsizetype bound) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<qsizetype>((seed >> 8) % static_cast<std::uint32_t>(bound));
    };
    const QString noise = QStringLiteral("'#{}[](),=:+-.0e9 \nobjectend");
    int failed = 0;
    for (int round = 0; round < 300; ++round) {
        QString damaged = text;
        for (int k = 0; k < 3; ++k) {
            const qsizetype at = next(damaged.size());
            if (next(2) == 0)
                damaged.remove(at, 1 + next(8));
            else
                damaged.insert(at, noise[next(noise.size())]);
        }
        TTestForm form;
        try {
            loadFormLayout(form, parseLayout(damaged, QStringLiteral("d.lfm")), QStringLiteral("d.lfm"), 96);
        } catch (const ELayoutError& e) {
            ++failed;
            EXPECT_EQ(e.File(), QStringLiteral("d.lfm"));
            EXPECT_GE(e.Line(), 1) << qPrintable(e.Message());
            EXPECT_LE(e.Line(), damaged.count(u'\n') + 1) << qPrintable(e.Message());
            EXPECT_TRUE(e.Message().startsWith(QStringLiteral("d.lfm(%1): ").arg(e.Line())))
                << qPrintable(e.Message());
        }
    }
    EXPECT_GT(failed, 150);
    EXPECT_LT(failed, 300); // some damage (a changed number, a blank) still reads
    EXPECT_EQ(loadError(text), QString());
}

#include "layoutloader_test.moc"
