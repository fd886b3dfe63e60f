#include "app/ui/application.h"

int main(int argc, char* argv[]) { return quillo::runApplication(argc, argv); }
