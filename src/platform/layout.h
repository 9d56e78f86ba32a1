#ifndef LAYOUT_H
#define LAYOUT_H

#include <QRgb>
#include <QString>
#include <vector>

enum class ControlKind
{
    Timer,
    Button,
    Label,
    Image,
    List,
    Player
};

// The Mincho faces of the layouts: fixed-pitch and proportional.
enum class Face
{
    Mincho,
    PMincho
};

struct FontSpec
{
    Face face = Face::Mincho;
    int pixelSize = 16;
    bool bold = false;
};

enum class Align
{
    Left,
    Center,
    Right
};

// One row of a screen's layout table. Geometry is in twips; a control array
// element carries its index, a single control the index -1.
struct ControlSpec
{
    ControlKind kind;
    QString name;
    int index = -1;
    float left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    QString caption = {};
    QString picture = {};
    QRgb backColor = 0;
    QRgb foreColor = 0;
    FontSpec font = {};
    Align align = Align::Center;
    bool sunken = false;
    bool stretch = false;
    int tabIndex = -1;
    bool tabStop = false; // a label or picture the Tab key reaches
    // The spoken name for assistive technology: what a picture shows, or a
    // label's name where its caption alone says too little; "%1" in it stands
    // for the label's caption as it changes. Empty: the caption.
    QString description = {};
};

// A screen's window: caption, client size in twips, back colour, and the
// controls in stacking order (the first listed lies in front of the rest).
struct FormSpec
{
    QString name;
    QString caption;
    float clientWidth = 0, clientHeight = 0;
    QRgb backColor = 0;
    std::vector<ControlSpec> controls;
};

#endif
