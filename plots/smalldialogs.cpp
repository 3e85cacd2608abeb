// The choices as keyed boxes until their dialogs come.
#include "plots/smalldialogs.h"

#include "screen/msgbox.h"

int cutcopydialog()
{
    int key = tell("\n To Clipboard: \n\r p  Copy \n\r t  Cut \n\r Esc  Cancel \n");
    return key == 27 || key == 't' ? key : 'p';
}

int dupliplotdialog()
{
    int key = tell("\n Duplicating the Plot: \n\r 2  whole plot \n\r 1  current perspective \n\r Esc  Cancel \n");
    return key == '1' || key == '2' ? key : 27;
}
