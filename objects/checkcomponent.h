// The composite objects' checks of one component: a failed check leaves
// its message, state and code in the owner's collector (made when the
// owner has none), with the component's formula as the shown text.
#pragma once

class slotcomp;

// What a check reads of the owning kind: the integration parameter or
// summation index letter (codes 35, 36, 55, 56, 70), the value counts of
// a two-formula object's branches (37) or, for an n-formula object, the
// failing action's number with its and action 1's value counts (37), and
// the value count required of initial values (69).
struct componentfacts {
    char letter = 0;
    int counts[2] = {};
    long action = 0;
    int required = 0;
};

// Codes 34 to 37, 55, 56, 69 and 70; any other code is stored with the
// message left as it stands.
void checkcomponent(slotcomp* component, int code, const componentfacts& facts = {});
