// The plots' start: the calculators' start, then the calculator's hooks
// to the fastplots.
#pragma once

void startplots();
