#pragma once

#include <QStringList>

class Interaction;
class TLanguage;

// One warning that names, by name in the order the lists show, every FAR archive a run
// listed without its entries; nothing when there is none.
void WarnUnreadableArchives(QStringList paths, Interaction& interaction, const TLanguage& language);
