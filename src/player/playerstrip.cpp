#include "player/playerstrip.h"
#include "content/contentpack.h"
#include "content/contentpath.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "records/records.h"

namespace {

constexpr float MarkLeft = 120, MarkSide = 480, NameLeft = 690, NameWidth = 4200;
constexpr float Inset = 30;
constexpr int MarkPixels = 32;

const QString MarkName = QStringLiteral("Image80");
const QString NameName = QStringLiteral("Label80");

std::vector<ControlSpec> stripControls(float top)
{
    return {
        {.kind = ControlKind::Image,
         .name = MarkName,
         .left = MarkLeft,
         .top = top + Inset,
         .width = MarkSide,
         .height = MarkSide,
         .description = QStringLiteral("あそんでいる人のしるし")},
        {.kind = ControlKind::Label,
         .name = NameName,
         .left = NameLeft,
         .top = top + 75,
         .width = NameWidth,
         .height = 390,
         .backColor = 0xFFFFFFFF,
         .foreColor = 0xFF202020,
         .font = {.face = Face::Mincho, .pixelSize = 20, .bold = true},
         .align = Align::Left,
         .description = QStringLiteral("あそんでいる人: %1")},
    };
}

QImage fitted(QImage picture, int side)
{
    const int pixels = 2 * side;
    picture = picture.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(2);
    return picture;
}

} // namespace

FormSpec PlayerStrip::below(const FormSpec &layout)
{
    FormSpec grown = layout;
    std::vector<ControlSpec> strip = stripControls(layout.clientHeight);
    grown.controls.insert(grown.controls.begin(), strip.begin(), strip.end());
    grown.clientHeight += Height;
    return grown;
}

PlayerStrip::PlayerStrip(const Form &form)
    : m_mark(form.image(MarkName)), m_name(form.label(NameName)),
      m_markFrame(m_mark->leftTwips(), m_mark->topTwips(), m_mark->widthTwips(),
                  m_mark->heightTwips())
{
}

// The mark keeps its proportions and sits in the middle of its square.
void PlayerStrip::show(const Records &records)
{
    const std::optional<Learner> &player = records.player();
    m_mark->setPicture(player ? learnerMark(player->mark, MarkPixels) : guestMark(MarkPixels));
    m_mark->centreOn(int(m_markFrame.left()), int(m_markFrame.top()), int(m_markFrame.width()),
                     int(m_markFrame.height()));
    m_name->setCaption(player ? player->name : guestName());
}

QImage learnerMark(int entry, int side)
{
    return fitted(loadPicture(EntryPicturePath(entry)), side);
}

QImage guestMark(int side)
{
    return fitted(loadPicture(QStringLiteral(":/player/guest@2x.gif")), side);
}

QString guestName()
{
    return QStringLiteral("おきゃくさん");
}
