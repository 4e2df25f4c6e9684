#include "ProgressTexts.h"

const ProgressTexts& progressTexts()
{
    static const ProgressTexts texts{
        .caption = QStringLiteral("Mi progreso"),
        .intro = QStringLiteral("Lo que has hecho con cada aparato desde que abriste el tutorial. Al cerrarlo "
                                "no se guarda nada: si quieres conservarlo o entregarlo, guarda el informe."),
        .notes = QStringLiteral("Una pregunta está aprendida cuando la has contestado bien dos veces seguidas. "
                                "Un ejercicio cuenta como conseguido cuando lo has hecho tú, no la demostración."),
        .nameLabel = QStringLiteral("&Nombre:"),
        .saveButton = QStringLiteral("&Guardar informe…"),
        .closeButton = QStringLiteral("&Cerrar"),
        .nameMissing = QStringLiteral("Escribe tu nombre antes de guardar el informe."),
        .saved = QStringLiteral("Informe guardado en «%1»."),
        .dialogCaption = QStringLiteral("Guardar informe"),
        .fileFilter = QStringLiteral("Documentos PDF (*.pdf)"),
        .suggestedFile = QStringLiteral("Informe de %1.pdf"),
        .failureCaption = QStringLiteral("Mi progreso"),
        .failure = QStringLiteral("No se ha podido guardar el informe en «%1»: %2\n\n"
                                  "La ventana sigue como estaba; puedes guardarlo en otro lugar."),
        .cannotCreate = QStringLiteral("no se puede crear un archivo en esa carpeta. Puede que sea de solo lectura "
                                       "o que no tengas permiso para escribir en ella."),
        .cannotWrite = QStringLiteral("no se ha podido escribir entero. Puede que el disco esté lleno."),
        .reportTitle = QStringLiteral("Informe de progreso en el tutorial"),
        .reportName = QStringLiteral("Nombre: %1"),
        .reportDate = QStringLiteral("Fecha: %1"),
        .dateFormat = QStringLiteral("d 'de' MMMM 'de' yyyy"),
        .scopeHeading = QStringLiteral("El osciloscopio de la práctica con el FG110, tal como quedó:"),
        .noScope =
            QStringLiteral("No se ha abierto la práctica con el FG110, así que no hay osciloscopio que mostrar."),
    };
    return texts;
}
