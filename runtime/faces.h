// SPDX-License-Identifier: GPL-3.0-or-later
// The faces the lessons are drawn in and the Debian package that installs
// each. A face is changed here and only here: loading and the start-up check
// (which names the face and its package when it is missing) read this table.
#pragma once

namespace rt {

struct FaceSource {
    const char* family;   // the fontconfig family
    const char* package;  // the Debian package that provides it
    const char* sample;   // text the face must draw itself, not through a fallback
};

// Every Japanese text of the lessons is drawn in this face: kana, kanji,
// full-width digits and signs, circled numbers. IPAex Gothic's half-width zero
// is a plain oval (IPA Gothic's is slashed and reads as Ø), and its kana and
// kanji are IPA Gothic's own.
inline constexpr FaceSource kGothicFace{
    "IPAexGothic", "fonts-ipaexfont-gothic",
    "番号を入力して下さい。次のステップは１を入力。何かキーを押して下さい。"
    "グラフ表式変化様子終了０１２３４５６７８９－．÷×①②③④⑤"};
// Formula letters, and the script l.
inline constexpr FaceSource kSerifFace{"Liberation Serif", "fonts-liberation2", "abcxyzABCXYZ0123456789"};

}  // namespace rt
