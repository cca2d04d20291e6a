#include "widgets/rasterlab.h"

#include "platform/controls/forms.h"
#include "platform/layout/layoutloader.h"
#include "platform/layout/layoutregistry.h"

#include <gtest/gtest.h>

using enum Frame3D::TColorScheme;
using enum Frame3D::TFrameStyle;
using enum RasterLab::TRDBlockMode;
using enum RasterLab::TRDScrollMode;

TEST(RasterLabLayout, StoredDisplayReadsThroughTheSetters) {
    registerComponentClass<TRasterLab>(QStringLiteral("TRasterLab"));
    const QString text = QStringLiteral(R"(object Form1: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 100
  object RLabSpeed: TRasterLab
    Left = 7
    Top = 32
    Width = 201
    Height = 41
    AutoHeight = False
    AutoCenter = True
    ColorLabBakG = clBlack
    ColorDotOn = clYellow
    ColorDotOff = 4210752
    ColorScheme = csBWG
    DotSpacing = 1
    DotSize = 2
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'default'
    Font.Style = []
    FrameStyle = fsLowered
    ParentFont = False
    PosX = 57
    PosY = 4
    Proportional = True
    ScrollMode = rdsmOff
    ScrollInterval = 100
    ScrollIncrement = 1
    ScrollLoop = True
    CharBlockMode = rdbmRaster
    Text = 'Text'
  end
end
)");
    TForm form;
    loadFormLayout(form, parseLayout(text, QStringLiteral("test.lfm")), QStringLiteral("test.lfm"), 96);
    auto* lab = dynamic_cast<TRasterLab*>(form.FindComponent(QStringLiteral("RLabSpeed")));
    ASSERT_NE(lab, nullptr);
    EXPECT_EQ(lab->Width(), 201);
    EXPECT_EQ(lab->ColorDotOn(), clYellow);
    EXPECT_EQ(lab->CharBlockMode(), rdbmRaster);
    EXPECT_EQ(lab->Font()->Height(), -13);
    EXPECT_EQ(lab->Glyphs().CharHeight, 12); // still the built-in font
    EXPECT_EQ(lab->PosX(), 57);              // the stored position wins over the centring before it
    lab->SetText(QStringLiteral("70.6km/h"));
    EXPECT_EQ(lab->PosX(), 24);
}
