#include "app/Application.h"

int main(int argc, char **argv)
{
    return tesmi::RunApplication(argc, argv);
}
