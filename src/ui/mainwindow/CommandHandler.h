#pragma once

#include <QObject>

class TFormKalvo;
class TModel;
class TModelDocument;

// The commands of one theme (file, edit, criterion, solution, analysis): each
// handler asks what it must in the window's dialogs and makes its edit through
// the document; the window's views follow the document and the results.
class TCommandHandler : public QObject
{
public:
    explicit TCommandHandler(TFormKalvo &window);

protected:
    TFormKalvo &Window;
    TModelDocument &Document;
    const TModel &Model;
};
