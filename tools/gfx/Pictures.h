#pragma once
// Draws the program's own pictures: the main background, the dialog and
// progress backgrounds, the ten animation frames, the About picture, the
// marker of the national-squad chooser and the flag pictures of the league
// composition.
#include <QImage>

namespace v3gfx {

// Main background (640 x 480): a football stadium at night.
QImage MainBackground();
// Background of the editor dialogs (800 x 600): light, calm, with a faint pitch.
QImage DialogBackground();
// Background of the progress windows (320 x 96): dark band with the name.
QImage ProgressBackground();
// Animation frame i (0..9): the part of the main background under the frame's
// rectangle with the flying ball drawn into it.
QImage AnimationFrame(const QImage& background, int i);
// The About picture (420 x 300).
QImage AboutPicture();
// The marker of the nations without a country of their own (16 x 14).
QImage MarkerPicture();

// Templates of the kit preview: shirt (96 x 84), shorts (72 x 40), one sock
// (20 x 44). Each pixel is keyed: magenta (255, 0, 255) is background, blue 255
// the main area, blue 128 the sleeves, blue 0 the outline; red and green hold
// the brightness (0..255) by which the kit colour is shaded there.
QImage KitShirt();
QImage KitShorts();
QImage KitSock();

// The 23 small pictures (12 x 12 each, side by side) of the flags of last
// season in the league composition: 0..4 champion, (unused), relegated,
// promoted, runner-up; 5..7 cup winner, finalist, participant; from 8 on a
// status mark with a cup, (e - 8) / 3 the mark and (e - 8) % 3 the cup.
QImage FlagPictures();

}  // namespace v3gfx
