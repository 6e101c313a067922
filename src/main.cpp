#include "app/CPanelvueApp.h"

// The one application object, made when the program loads.
CPanelvueApp theApp;

int main(int argc, char** argv) {
    return theApp.Run(argc, argv);
}
