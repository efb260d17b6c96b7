// SPDX-License-Identifier: MIT
#pragma once

namespace pantrex {

// The program names its fonts as a Windows desktop knows them: "Times New Roman", "Playbill" and
// "Comic Sans MS". This makes Qt find an installed font for each, through fontconfig:
//   Times New Roman -> Liberation Serif (metric twin; fontconfig's own alias)
//   Comic Sans MS   -> Comic Neue (its package's fontconfig alias)
//   Playbill        -> Liberation Sans Narrow (a condensed poster face; no metric twin exists)
// Each name falls back to a DejaVu face when its first choice is not installed. Safe to call again.
void mapWindowsFonts();

} // namespace pantrex
