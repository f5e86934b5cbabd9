<?xml version="1.0" encoding="UTF-8"?>
<!--
  The default report of a water determination. The module hands over the document
  Document / files / fill_data (six children: number, file path, sample, analyse_time, role, method)
  followed by m1 m2 m3 m4 mass_rastv mass_proba water err.

  Plain XSLT 1.0 without processor extensions, so that every processor renders it alike. The output is
  well-formed XHTML without an XML declaration: MSXML under Wine re-parses the result, and anything else
  leaves it with an empty document. Nothing is loaded from elsewhere (the style is inline), and no value is
  ever written unescaped.
-->
<xsl:stylesheet version="1.0"
                xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
                xmlns="http://www.w3.org/1999/xhtml">

  <xsl:output method="xml" omit-xml-declaration="yes" indent="no"/>

  <!-- The error list separates its messages with these characters (text, not markup). -->
  <xsl:variable name="marker" select="'&lt;br /&gt;'"/>

  <xsl:template match="/">
    <xsl:apply-templates select="Document"/>
  </xsl:template>

  <xsl:template match="Document">
    <html lang="ru">
      <head>
        <meta charset="utf-8"/>
        <title>Расчёт-462 ЗЮЛК-04-04 Нарвелин — отчёт</title>
        <style>
          body { font-family: "Segoe UI", Arial, "Liberation Sans", "DejaVu Sans", sans-serif;
                 font-size: 11pt; color: #1a1a1a; margin: 24px auto; max-width: 1100px; padding: 0 16px; }
          h1 { font-size: 18pt; margin: 0 0 4px 0; }
          .subtitle { color: #555; margin: 0 0 24px 0; }
          h2 { font-size: 13pt; margin: 28px 0 8px 0; padding-bottom: 4px; border-bottom: 1px solid #bbb; }
          /* The saved page has no doctype (a DOM holds none), so browsers use quirks mode, where tables
             would not inherit the font. */
          table { border-collapse: collapse; width: 100%; font-size: inherit; }
          th, td { border: 1px solid #bbb; padding: 5px 8px; text-align: left; vertical-align: top; }
          th { background: #eef1f5; font-weight: 600; }
          td.number, th.number { text-align: right; white-space: nowrap; }
          td.time { white-space: nowrap; }
          .folder { color: #666; font-size: 9pt; word-break: break-all; }
          table.masses { width: auto; min-width: 420px; }
          .result { margin: 8px 0; padding: 14px 18px; border: 2px solid #2b5797; background: #f3f7fc;
                    display: inline-block; }
          .result .label { font-size: 12pt; color: #2b5797; }
          .result .value { font-size: 28pt; font-weight: 700; margin-top: 4px; }
          .note { color: #555; font-style: italic; }
          .warning { font-weight: 700; color: #a00000; border-left: 4px solid #a00000; padding-left: 8px; }
          ul.errors { margin: 0; padding-left: 22px; color: #a00000; }
          ul.errors li { margin: 3px 0; }
          @media print {
            body { margin: 0; max-width: none; font-size: 10pt; }
            .result { border-width: 1px; }
            tr { page-break-inside: avoid; }
          }
        </style>
      </head>
      <body>
        <h1>Расчёт-462 ЗЮЛК-04-04 Нарвелин</h1>
        <p class="subtitle">Определение содержания воды в трансформаторном масле методом газовой хроматографии</p>

        <h2>Хроматограммы</h2>
        <xsl:choose>
          <xsl:when test="files/fill_data">
            <table>
              <thead>
                <tr>
                  <th class="number">№</th>
                  <th>Файл</th>
                  <th>Проба</th>
                  <th>Время анализа</th>
                  <th>Тип расчёта</th>
                  <th>Метод</th>
                </tr>
              </thead>
              <tbody>
                <xsl:apply-templates select="files/fill_data"/>
              </tbody>
            </table>
          </xsl:when>
          <xsl:otherwise>
            <p class="note">Хроматограммы не выбраны.</p>
          </xsl:otherwise>
        </xsl:choose>

        <h2>Массы</h2>
        <table class="masses">
          <tbody>
            <xsl:call-template name="mass">
              <xsl:with-param name="label" select="'Масса растворителя m1'"/>
              <xsl:with-param name="value" select="m1"/>
            </xsl:call-template>
            <xsl:call-template name="mass">
              <xsl:with-param name="label" select="'Масса растворителя m2'"/>
              <xsl:with-param name="value" select="m2"/>
            </xsl:call-template>
            <xsl:call-template name="mass">
              <xsl:with-param name="label" select="'Масса растворителя m3'"/>
              <xsl:with-param name="value" select="m3"/>
            </xsl:call-template>
            <xsl:call-template name="mass">
              <xsl:with-param name="label" select="'Масса растворителя m4'"/>
              <xsl:with-param name="value" select="m4"/>
            </xsl:call-template>
            <xsl:call-template name="mass">
              <xsl:with-param name="label" select="'Масса навески'"/>
              <xsl:with-param name="value" select="mass_rastv"/>
            </xsl:call-template>
            <xsl:call-template name="mass">
              <xsl:with-param name="label" select="'Масса пробы'"/>
              <xsl:with-param name="value" select="mass_proba"/>
            </xsl:call-template>
          </tbody>
        </table>

        <xsl:variable name="messages">
          <xsl:call-template name="messages">
            <xsl:with-param name="text" select="string(err)"/>
          </xsl:call-template>
        </xsl:variable>

        <h2>Результат</h2>
        <xsl:choose>
          <!-- Every number of a record no calculation has written reads 0.000. -->
          <xsl:when test="not((m1 | m2 | m3 | m4 | mass_rastv | mass_proba | water)[string(.) != '0.000'])">
            <p class="note">Расчёт не выполнялся.</p>
          </xsl:when>
          <xsl:otherwise>
            <div class="result">
              <div class="label">Молярная доля воды</div>
              <xsl:choose>
                <!-- "nan" (and the infinities) are no number to XPath: nothing was computed. -->
                <xsl:when test="string(number(water)) = 'NaN'">
                  <div class="value">не рассчитана</div>
                </xsl:when>
                <xsl:otherwise>
                  <div class="value"><xsl:value-of select="water"/></div>
                </xsl:otherwise>
              </xsl:choose>
            </div>
            <xsl:if test="normalize-space($messages) != ''">
              <p class="warning">Определение не соответствует требованиям методики: см. сообщения ниже.</p>
            </xsl:if>
          </xsl:otherwise>
        </xsl:choose>

        <h2>Непройденные проверки</h2>
        <xsl:choose>
          <xsl:when test="normalize-space($messages) != ''">
            <ul class="errors">
              <xsl:copy-of select="$messages"/>
            </ul>
          </xsl:when>
          <xsl:otherwise>
            <p class="note">Сообщений о непройденных проверках нет.</p>
          </xsl:otherwise>
        </xsl:choose>
      </body>
    </html>
  </xsl:template>

  <!-- One chromatogram; its children are told apart by position. -->
  <xsl:template match="fill_data">
    <tr>
      <td class="number"><xsl:value-of select="*[1]"/></td>
      <td>
        <xsl:call-template name="file-name">
          <xsl:with-param name="path" select="string(*[2])"/>
        </xsl:call-template>
        <div class="folder"><xsl:value-of select="*[2]"/></div>
      </td>
      <td><xsl:value-of select="*[3]"/></td>
      <td class="time"><xsl:value-of select="*[4]"/></td>
      <td><xsl:value-of select="*[5]"/></td>
      <td><xsl:value-of select="*[6]"/></td>
    </tr>
  </xsl:template>

  <!-- The part of a path after its last backslash, as the dialog's list shows it. -->
  <xsl:template name="file-name">
    <xsl:param name="path"/>
    <xsl:choose>
      <xsl:when test="contains($path, '\')">
        <xsl:call-template name="file-name">
          <xsl:with-param name="path" select="substring-after($path, '\')"/>
        </xsl:call-template>
      </xsl:when>
      <xsl:otherwise>
        <xsl:value-of select="$path"/>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="mass">
    <xsl:param name="label"/>
    <xsl:param name="value"/>
    <tr>
      <th><xsl:value-of select="$label"/></th>
      <td class="number"><xsl:value-of select="$value"/></td>
    </tr>
  </xsl:template>

  <!-- One list item per message between the markers; blank pieces (after the last marker) give none. -->
  <xsl:template name="messages">
    <xsl:param name="text"/>
    <xsl:variable name="head">
      <xsl:choose>
        <xsl:when test="contains($text, $marker)">
          <xsl:value-of select="substring-before($text, $marker)"/>
        </xsl:when>
        <xsl:otherwise>
          <xsl:value-of select="$text"/>
        </xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:if test="normalize-space($head) != ''">
      <li><xsl:value-of select="$head"/></li>
    </xsl:if>
    <xsl:if test="contains($text, $marker)">
      <xsl:call-template name="messages">
        <xsl:with-param name="text" select="substring-after($text, $marker)"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

</xsl:stylesheet>
