// The calculator's commands on its fastplots (computing thread).
#pragma once

class calculator;

// Close box (601): the current plot goes; closing #1 while #2 exists
// moves #2 into slot #1.
void closecurrentplot(calculator& c);
// Del: both plots go.
void removeplots(calculator& c);
// "1": plot #2, when current, becomes plot #1.
void swapplots(calculator& c);
