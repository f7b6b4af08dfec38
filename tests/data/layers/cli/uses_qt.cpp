// A batch calculator file with a Qt header: the layer check must refuse it.
#include <QString>
