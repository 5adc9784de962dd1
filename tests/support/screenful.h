// SPDX-License-Identifier: GPL-3.0-or-later
// A screenful of maths text, fourteen lines as a topic screen holds them:
// what the benchmarks of drawing and of showing a screen draw.
#pragma once

#include "engine/engine.h"

namespace lesson::testing {

inline void DrawScreenfulOfMathsText(Engine& e) {
    static const char* const kLines[] = {
        "y=2x+3のグラフは、y=2xのグラフをy軸の正の方向に3だけ平行移動したものです。",
        "y=ﾀ6/xﾀのとき、xの値が2倍、3倍…になると、yの値はﾀ1/2ﾀ倍、ﾀ1/3ﾀ倍…となる",
        "変化の割合=ﾀyの増加量/xの増加量ﾀ=ﾀ-6/3ﾀ=-2",
        "面積が24cm^2の長方形の縦の長さをxcm、横の長さをycmとする",
        "#ﾀ2/3ﾀﾝ+!12ﾝ=2!3ﾝ+ﾀ!6ﾝ/3ﾀ",
        "1次関数y=ax+bでは、変化の割合は一定で、aに等しい。",
    };
    for (int row = 0; row < 14; ++row) {
        e.DrawMathText(
            {.text = kLines[row % 6], .at = {16, static_cast<Num>(60 + row * 44)}, .colour = ink::text});
    }
}

}  // namespace lesson::testing
