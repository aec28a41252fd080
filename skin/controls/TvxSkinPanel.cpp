#include "tessel/skin/controls/TvxSkinPanel.h"

#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TImageList.h"
#include "tessel/platform/TDeviceContext.h"
#include "tessel/skin/data/SkinMessages.h"
#include "tessel/skin/data/TvxDataSkinPanelControl.h"
#include "tessel/skin/data/TvxSkinColors.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxComposition.h"
#include "tessel/skin/draw/TvxTextHelpers.h"
#include "tessel/skin/draw/TvxTiling.h"

namespace tessel {

TvxSkinPanel::TvxSkinPanel(TComponent* owner)
    : TvxSkinCustomControl(owner)
{
    SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque
        | csDoubleClicks | csReplicatable);
    m_border_only = true;
    SetSkinDataName("panel");
    SetBounds(0, 0, 150, 150);
}

const TvxDataSkinPanelControl* TvxSkinPanel::PanelRecord() const
{
    return dynamic_cast<const TvxDataSkinPanelControl*>(Record());
}

void TvxSkinPanel::LayoutChanged()
{
    Invalidate();
    Realign();
}

void TvxSkinPanel::SetBorderStyle(TvxSkinBorderStyle style)
{
    if (m_border_style == style)
        return;
    m_border_style = style;
    if (RecordIndex() == -1)
        LayoutChanged();
}

void TvxSkinPanel::SetDefaultCaptionHeight(int height)
{
    if (m_default_caption_height == height)
        return;
    m_default_caption_height = height;
    if (RecordIndex() == -1 && m_caption_mode)
        LayoutChanged();
}

void TvxSkinPanel::SetDefaultAlignment(TAlignment alignment)
{
    if (m_default_alignment == alignment)
        return;
    m_default_alignment = alignment;
    if (RecordIndex() == -1 && m_caption_mode)
        Invalidate();
}

void TvxSkinPanel::SetCaptionMode(bool caption_mode)
{
    if (m_caption_mode == caption_mode)
        return;
    m_caption_mode = caption_mode;
    LayoutChanged();
}

void TvxSkinPanel::SetSpacing(int spacing)
{
    if (m_spacing != spacing) {
        m_spacing = spacing;
        Invalidate();
    }
}

void TvxSkinPanel::SetImagePosition(TvxImagePosition position)
{
    if (m_image_position != position) {
        m_image_position = position;
        Invalidate();
    }
}

void TvxSkinPanel::SetCaptionImageList(TImageList* list)
{
    SetReference(m_caption_image_list, list);
    Invalidate();
}

void TvxSkinPanel::SetCaptionImageIndex(int index)
{
    if (m_caption_image_index != index) {
        m_caption_image_index = index;
        Invalidate();
    }
}

void TvxSkinPanel::SetGlyph(const TBitmap& glyph)
{
    m_glyph = glyph;
    Invalidate();
}

void TvxSkinPanel::SetNumGlyphs(int count)
{
    m_num_glyphs = std::max(1, count);
    Invalidate();
}

void TvxSkinPanel::SetTransparentMode(bool transparent)
{
    if (m_transparent_mode == transparent)
        return;
    m_transparent_mode = transparent;
    Invalidate();
    if (!HasState(csDesigning) && !HasState(csLoading))
        NotifyChildrenOfFrameChange();
}

void TvxSkinPanel::SetCheckedMode(bool checked_mode)
{
    m_checked_mode = checked_mode;
    Invalidate();
}

void TvxSkinPanel::SetChecked(bool checked)
{
    m_checked = checked;
    if (m_checked_mode)
        Invalidate();
    if (m_auto_enabled_controls && m_checked_mode)
        for (int i = 0; i < ControlCount(); ++i)
            Controls(i)->SetEnabled(checked);
    if (OnChecked)
        OnChecked(this);
}

void TvxSkinPanel::SetRollUpMode(bool roll_up_mode)
{
    if (m_roll_up_mode == roll_up_mode)
        return;
    m_roll_up_mode = roll_up_mode;
    if (RecordIndex() == -1 && m_caption_mode)
        Invalidate();
}

void TvxSkinPanel::SetRollUpState(bool rolled_up)
{
    if (rolled_up == m_roll_up_state)
        return;
    if (!m_roll_up_mode) {
        m_roll_up_state = false;
        return;
    }
    m_roll_up_state = rolled_up;
    ApplyRollUp();
    if (OnChangeRollUpState)
        OnChangeRollUpState(this);
}

void TvxSkinPanel::ApplyRollUp()
{
    if (m_roll_up_state && m_real_height == -1) {
        m_real_height = Height();
        DisableAlign();
        for (int i = 0; i < ControlCount(); ++i)
            Controls(i)->Hide();
        RefreshRecord();
        int height = m_default_caption_height + 1;
        if (RecordIndex() != -1) {
            int w = Width(), h = Height();
            height = h - m_look.Target(w, h).NewClient.Height();
        }
        SetHeight(height);
    } else if (!m_roll_up_state && m_real_height != -1) {
        int height = m_real_height;
        m_real_height = -1;
        SetHeight(height);
        for (int i = 0; i < ControlCount(); ++i)
            Controls(i)->Show();
        EnableAlign();
    }
}

void TvxSkinPanel::ChangeSkinData()
{
    TvxSkinCustomControl::ChangeSkinData();
    if (m_real_height != -1) {
        // Rolled up: the rolled height of the new skin, the height to return to kept.
        RefreshRecord();
        int height = m_default_caption_height + 1;
        if (RecordIndex() != -1) {
            int w = Width(), h = m_real_height;
            height = h - m_look.Target(w, h).NewClient.Height();
        }
        SetHeight(height);
    } else {
        Realign();
    }
}

void TvxSkinPanel::SetBounds(int left, int top, int width, int height)
{
    TvxSkinCustomControl::SetBounds(left, top, width, height);
    if (RecordIndex() == -1)
        Invalidate();
}

void TvxSkinPanel::CreateParams(TCreateParams& params)
{
    TvxSkinCustomControl::CreateParams(params);
    params.class_style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TvxSkinPanel::Notification(TComponent* component, TOperation operation)
{
    TvxSkinCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_caption_image_list)
        m_caption_image_list = nullptr;
}

void TvxSkinPanel::Dispatch(TMessage& message)
{
    if (message.Msg == FrameChangedNotice) {
        if (m_transparent_mode || AlphaBlend()) {
            Invalidate();
            NotifyChildrenOfFrameChange();
        }
        return;
    }
    TvxSkinCustomControl::Dispatch(message);
    if (message.Msg == WM_MOVE && m_transparent_mode) {
        Invalidate();
        NotifyChildrenOfFrameChange();
    } else if (message.Msg == CM_TEXTCHANGED && m_caption_mode) {
        Invalidate();
    }
}

void TvxSkinPanel::MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && m_caption_mode && (m_roll_up_mode || m_checked_mode)) {
        bool hit = RecordIndex() != -1
            ? x >= m_caption_rect.left && y >= m_caption_rect.top && x <= m_caption_rect.right
                && y <= m_caption_rect.bottom
            : TRect { 1, 1, Width() - 1, m_default_caption_height }.Contains({ x, y });
        if (hit) {
            if (m_checked_mode)
                SetChecked(!m_checked);
            if (m_roll_up_mode)
                SetRollUpState(!m_roll_up_state);
        }
    }
    TvxSkinCustomControl::MouseUp(button, shift, x, y);
}

void TvxSkinPanel::SetCaptionFont(TCanvas& canvas, const TvxDataSkinPanelControl* record) const
{
    if (record && UseSkinFont()) {
        canvas.Font().SetName(record->fontname);
        canvas.Font().SetHeight(record->fontheight);
        canvas.Font().SetStyle(record->fontstyle);
        canvas.Font().SetColor(record->fontcolor);
    } else {
        canvas.Font().Assign(DefaultFont());
        if (record)
            canvas.Font().SetColor(record->fontcolor);
    }
}

TvxPanelCaptionContent TvxSkinPanel::CaptionContent() const
{
    TvxPanelCaptionContent c;
    c.text = Caption();
    c.glyph = &m_glyph;
    c.num_glyphs = m_num_glyphs;
    c.enabled = Enabled();
    c.images = m_caption_image_list;
    c.image_index = m_caption_image_index;
    c.image_position = m_image_position;
    c.spacing = m_spacing;
    c.checked_mode = m_checked_mode;
    c.checked = m_checked;
    c.roll_up_mode = m_roll_up_mode;
    c.rolled_up = m_roll_up_state;
    return c;
}

void TvxSkinPanel::AdjustClientRect(TRect& rect) const
{
    const TvxDataSkinPanelControl* record = RecordIndex() != -1 ? PanelRecord() : nullptr;
    bool bound = RecordIndex() != -1 && m_look.Bound();
    int w = Width(), h = Height();
    if (bound && m_transparent_mode) {
        int top = 2;
        if (m_caption_mode) {
            TBitmap measure(1, 1);
            SetCaptionFont(measure.Canvas(), record);
            top = TvxTextHelpers::MeasureTextHeight(measure.Canvas(), Caption());
        }
        rect = { 2, top, w - 2, h - 2 };
        return;
    }
    if (!bound || HasState(csDesigning)) {
        if (m_border_style != bvNone)
            rect = { rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1 };
        if (m_caption_mode)
            rect.top += m_default_caption_height;
        return;
    }
    bool flat = m_border_style == bvNone && !m_caption_mode && m_look.Mode() == vxcmFull;
    if ((record && record->bgpictureindex != -1) || flat) {
        rect = { 0, 0, w, h };
        return;
    }
    rect = m_look.Target(w, h).NewClient;
}

TColor TvxSkinPanel::LineColor() const
{
    const TBitmap* picture = m_look.Picture();
    const TvxElementGeometry& g = m_look.Geometry();
    if (!picture || picture->Empty())
        return clBtnShadow;
    int x = g.R.left + g.W() / 2, y = g.R.bottom - 1;
    if (x < 0 || y < 0 || x >= picture->Width() || y >= picture->Height())
        return clBtnShadow;
    return ArgbToColor(picture->Surface().Pixel(x, y));
}

void TvxSkinPanel::Paint()
{
    if (Width() <= 0 || Height() <= 0)
        return;
    RefreshRecord();
    const TvxDataSkinPanelControl* record = RecordIndex() != -1 ? PanelRecord() : nullptr;
    if (m_transparent_mode && record) {
        PaintTransparent(*record);
        return;
    }
    const TvxElementGeometry& g = m_look.Geometry();
    if (RecordIndex() == -1 || !record || (!m_border_only && g.stretcheffect)) {
        TvxSkinCustomControl::Paint();
        return;
    }
    bool flat = m_border_style == bvNone && m_look.Mode() == vxcmFull && !m_caption_mode && m_border_only
        && !AlphaBlend();
    if (!flat && record->bgpictureindex == -1) {
        TvxSkinCustomControl::Paint();
        return;
    }
    PaintOnScreen(*record);
}

void TvxSkinPanel::PaintOnScreen(const TvxDataSkinPanelControl& record)
{
    TDeviceContext* dc = Canvas().Handle();
    if (!dc)
        return;
    TvxElementGeometry g = m_look.Geometry();
    int w = Width(), h = Height();
    TvxTargetGeometry t = m_look.Target(w, h);
    const TBitmap* source = m_look.Picture();
    TRect whole { 0, 0, Width(), Height() };
    if (record.bgpictureindex != -1) {
        // The background picture: stretched into the client (stfull), or fitted one
        // way and repeated the other, or repeated over the whole panel.
        source = SkinData()->ActivePicture(record.bgpictureindex);
        if (!source || source->Empty())
            return;
        g.R = source->Surface().Bounds();
        g.Client = g.R;
        if (!(g.stretcheffect && g.stretchtype == stfull))
            t.NewClient = whole;
    } else {
        // The flat look: the client piece alone covers the whole panel.
        t.NewClient = whole;
    }
    if (source && !source->Empty())
        TvxComposition::PaintClient(g, t, dc->Surface(), dc->Origin(), source->Surface(), dc->Clip());
}

void TvxSkinPanel::PaintTransparent(const TvxDataSkinPanelControl& record)
{
    int w = Width(), h = Height();
    TBitmap image(w, h);
    CopyParentImage(image);
    TCanvas& c = image.Canvas();
    TColor line = LineColor();
    if (m_caption_mode) {
        SetCaptionFont(c, &record);
        TColor text = SkinData()->SkinColors().cbtntext;
        int label = SkinData()->GetControlIndex("stdlabel");
        if (label != -1)
            if (auto* l = dynamic_cast<const TvxDataSkinPanelControl*>(SkinData()->ControlList(label)))
                text = l->fontcolor;
        m_caption_rect = TvxPanelCaption::DrawGroup(
            c, w, h, record, m_look.Picture() ? *m_look.Picture() : image, line, text, CaptionContent());
    } else if (m_border_style != bvNone) {
        c.Brush().SetColor(line);
        c.FrameRect({ 0, 0, w, h });
    }
    PaintExtra(c);
    Canvas().Draw(0, 0, image);
}

void TvxSkinPanel::CreateSkinImage(TBitmap& image)
{
    const TvxDataSkinPanelControl* record = PanelRecord();
    const TvxElementGeometry& g = m_look.Geometry();
    const TBitmap* picture = m_look.Picture();
    if (m_border_style == bvNone && m_look.Mode() == vxcmFull && !m_caption_mode && !g.stretcheffect) {
        if (picture && !picture->Empty()) {
            TRect piece { g.R.left + g.Client.left, g.R.top + g.Client.top, g.R.left + g.Client.right,
                g.R.top + g.Client.bottom };
            TvxTiling::Tile(image.Surface(), image.Surface().Bounds(), picture->Surface(), piece);
        }
        return;
    }
    TvxSkinCustomControl::CreateSkinImage(image);
    if (!record)
        return;
    m_caption_rect = m_look.Mode() == vxcmFixed
        ? record->captionrect
        : MapSkinRect(m_look.Mode(), g, Width(), Height(), record->captionrect);
    if (Caption().empty() || record->captionrect.IsEmpty() || !picture)
        return;
    TCanvas& c = image.Canvas();
    SetCaptionFont(c, record);
    TvxPanelCaption::DrawSkinned(c, m_caption_rect, *record, *picture, CaptionContent());
}

void TvxSkinPanel::CreateDefaultImage(TBitmap& image)
{
    TvxSkinCustomControl::CreateDefaultImage(image);
    TCanvas& c = image.Canvas();
    int w = image.Width(), h = image.Height();
    TRect all { 0, 0, w, h };
    switch (m_border_style) {
    case bvFrame:
        c.Frame3D(all, clBtnShadow, clBtnShadow);
        break;
    case bvRaised:
        c.Frame3D(all, clBtnHighlight, clBtnShadow);
        break;
    case bvLowered:
        c.Frame3D(all, clBtnShadow, clBtnHighlight);
        break;
    case bvNone:
        break;
    }
    if (!m_caption_mode)
        return;
    TRect bar = m_border_style == bvFrame ? TRect { 0, 0, w, m_default_caption_height }
                                          : TRect { 1, 1, w - 1, m_default_caption_height };
    if (m_border_style == bvFrame) {
        c.Frame3D(bar, clBtnShadow, clBtnShadow);
        c.Frame3D({ bar.left + 1, bar.top + 1, bar.right - 1, bar.bottom - 1 }, clBtnHighlight, clBtnFace);
    } else {
        c.Frame3D(bar, clBtnShadow, clBtnHighlight);
        c.Frame3D({ bar.left + 1, bar.top + 1, bar.right - 1, bar.bottom - 1 }, clBtnHighlight, clBtnShadow);
    }
    c.Font().Assign(DefaultFont());
    m_caption_rect = bar;
    TvxPanelCaption::DrawDefault(c, { bar.left + 1, bar.top + 1, bar.right - 1, bar.bottom - 1 },
        m_default_alignment, CaptionContent());
}

} // namespace tessel
