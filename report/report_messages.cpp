#include "report/report_messages.h"

#include "report/com_error.h"

namespace {

std::wstring WithCode(std::wstring_view text, HRESULT hr)
{
    return std::wstring(text) + L" (код " + HresultText(hr) + L").";
}

} // namespace

std::wstring ReportFailureMessage(std::wstring_view reason)
{
    return L"Не удалось построить отчёт.\r\n" + std::wstring(reason);
}

std::wstring DomUnavailableReason(HRESULT hr)
{
    return WithCode(L"Компонент MSXML 6.0 недоступен", hr);
}

std::wstring BuildFailedReason(HRESULT hr)
{
    return WithCode(L"Ошибка при составлении данных отчёта", hr);
}

std::wstring NoTemporaryFileReason()
{
    return L"Не удалось создать файл отчёта во временной папке.";
}

std::wstring ComInitializationReason(HRESULT hr)
{
    return WithCode(L"Не удалось подготовить COM для преобразования", hr);
}

std::wstring StyleSheetNotLoadedReason(std::wstring_view path)
{
    return L"Таблица стилей не найдена или не загружается: " + std::wstring(path);
}

std::wstring StyleSheetRefusedReason(StyleSheetRefusal refusal, std::wstring_view path)
{
    static constexpr struct {
        StyleSheetRefusal refusal;
        const wchar_t* what;
    } kReasons[] = {
        {StyleSheetRefusal::kDoctype, L"в ней есть объявление типа документа (<!DOCTYPE>)"},
        {StyleSheetRefusal::kScript, L"в ней есть сценарий (msxsl:script)"},
        {StyleSheetRefusal::kImportOrInclude, L"она подключает другие файлы (xsl:import или xsl:include)"},
        {StyleSheetRefusal::kDocumentFunction, L"она читает другие документы (функция document())"},
    };
    for (const auto& reason : kReasons) {
        if (reason.refusal == refusal) {
            return L"Таблица стилей отклонена: " + std::wstring(reason.what) + L". Файл: " + std::wstring(path);
        }
    }
    // What the check could not read is a style sheet that does not load.
    return StyleSheetNotLoadedReason(path);
}

std::wstring TransformFailedReason(HRESULT hr)
{
    return WithCode(L"Ошибка преобразования по таблице стилей", hr);
}

std::wstring TransformEmptyReason()
{
    return L"Преобразование по таблице стилей не дало документа (таблица стилей должна выводить "
           L"правильно построенный XHTML без объявления XML).";
}

std::wstring SaveFailedReason(std::wstring_view path, HRESULT hr)
{
    return WithCode(L"Не удалось записать файл отчёта " + std::wstring(path), hr);
}

std::wstring OutOfMemoryReason()
{
    return L"Недостаточно памяти.";
}

std::wstring UnexpectedReason()
{
    return L"Непредвиденная ошибка.";
}

std::wstring ReportNotOpenedMessage(std::wstring_view path, int answer)
{
    return L"Отчёт сохранён, но открыть его не удалось (код " + std::to_wstring(answer) +
           L"). Откройте файл вручную:\r\n" + std::wstring(path);
}
