<?xml version="1.0" encoding="UTF-8"?>
<!--
  The default report of a water determination. The module hands over the document
  Document / files / fill_data (six children: number, file path, sample, analyse_time, role, method)
  followed by m1 m2 m3 m4 mass_rastv mass_proba water err details. "details" holds "made" and "module", after
  any calculation "verdict" (passed, failed or incomplete), and after a calculation that ran to its end eight
  "check" elements, "calibration", "analysis", "injections" (with each file's id, size and SHA-256) and
  "exact" (the masses and the water value to the last bit, which the page keeps for its verification).

  Plain XSLT 1.0 without processor extensions, so that every processor renders it alike. Wine's MSXML drops
  the blanks that open a text node of the sheet when a character beyond ASCII follows them (" до " becomes
  "до "): such texts are written as string literals of xsl:value-of. The output is
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
          /* A name of any length breaks inside its cell, so that every column stays on the page. */
          p, li, td { overflow-wrap: anywhere; }
          th { background: #eef1f5; font-weight: 600; }
          td.number, th.number { text-align: right; }
          td.number { white-space: nowrap; }
          td.time { white-space: nowrap; }
          table.files { table-layout: fixed; }
          .folder { color: #666; font-size: 9pt; word-break: break-all; }
          .fingerprint { color: #666; font-size: 8pt; }
          p.footer.verify { margin-top: 4px; padding-top: 0; border-top: none; }
          table.masses { width: auto; min-width: 420px; }
          .result { margin: 8px 0; padding: 14px 18px; border: 2px solid #2b5797; background: #f3f7fc;
                    display: inline-block; }
          .result .label { font-size: 12pt; color: #2b5797; }
          .result .value { font-size: 28pt; font-weight: 700; margin-top: 4px; }
          .note { color: #555; font-style: italic; }
          .sample-name { font-size: 12pt; margin: -16px 0 24px 0; }
          .out-of-range { font-weight: 700; }
          .warning { font-weight: 700; color: #a00000; border-left: 4px solid #a00000; padding-left: 8px; }
          /* The verdict reads on a black-and-white print by its words; colour only repeats them. */
          p.verdict { font-weight: 700; border-left: 4px solid; padding-left: 8px; }
          p.verdict.passed { color: #1d6b2a; }
          p.verdict.failed { color: #a00000; }
          p.verdict.incomplete { color: #7a4a00; }
          ul.errors { margin: 0; padding-left: 22px; color: #a00000; }
          ul.errors li { margin: 3px 0; }
          .aside { color: #555; font-style: italic; }
          table.checks td.verdict { white-space: nowrap; }
          /* A failed check must stand out on a black-and-white print too: bold, a mark and a heavy rule. */
          table.checks tr.failed td { font-weight: 700; }
          table.checks tr.failed td:first-child { border-left: 4px solid #1a1a1a; }
          table.checks tr.unjudged td.verdict { font-style: italic; }
          .chart { margin: 8px 0; }
          .chart svg { width: 100%; max-width: 600px; height: auto; }
          .chart text { font-family: inherit; font-size: 11px; fill: #1a1a1a; }
          .legend { color: #555; font-style: italic; }
          .signatures { margin-top: 32px; page-break-inside: avoid; }
          .signatures p { margin: 18px 0; }
          table.levels { width: auto; }
          .footer { margin-top: 32px; padding-top: 6px; border-top: 1px solid #bbb; color: #555; font-size: 9pt; }
          thead { display: table-header-group; }
          @page { size: A4 portrait; margin: 15mm; }
          @media print {
            body { margin: 0; max-width: none; font-size: 10pt; }
            table { font-size: 9pt; }
            th, td { padding: 3px 4px; }
            .result { border-width: 1px; }
            .fingerprint { font-size: 7pt; }
            tr { page-break-inside: avoid; }
            .chart { page-break-inside: avoid; }
            h2 { page-break-after: avoid; }
          }
        </style>
      </head>
      <body>
        <h1>Расчёт-462 ЗЮЛК-04-04 Нарвелин</h1>
        <p class="subtitle">Определение содержания воды в трансформаторном масле методом газовой хроматографии</p>
        <xsl:for-each select="files/fill_data[*[5] = 'анализ'][1]">
          <p class="sample-name">Проба: <xsl:value-of select="*[3]"/></p>
        </xsl:for-each>

        <h2>Хроматограммы</h2>
        <xsl:choose>
          <xsl:when test="files/fill_data">
            <!-- Fixed widths: a name of any length wraps inside its own column. -->
            <table class="files">
              <thead>
                <tr>
                  <th class="number" style="width: 5%">№</th>
                  <th style="width: 23%">Файл</th>
                  <th style="width: 16%">Проба</th>
                  <th style="width: 12%">Время анализа</th>
                  <th style="width: 16%">Тип расчёта</th>
                  <th style="width: 11%">Метод</th>
                  <xsl:if test="details/injections">
                    <th class="number" style="width: 17%">Высота пика воды</th>
                  </xsl:if>
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
            <xsl:choose>
              <!-- The calculation's one verdict; a document of an older module has none, only its messages. -->
              <xsl:when test="details/verdict">
                <xsl:apply-templates select="details/verdict"/>
              </xsl:when>
              <xsl:when test="normalize-space($messages) != ''">
                <p class="warning">Определение не соответствует требованиям методики: см. сообщения ниже.</p>
              </xsl:when>
            </xsl:choose>
          </xsl:otherwise>
        </xsl:choose>

        <xsl:apply-templates select="details/analysis[inRange = '0']" mode="range"/>
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

        <xsl:apply-templates select="details"/>
        <xsl:if test="not(details)">
          <xsl:call-template name="signatures"/>
        </xsl:if>
      </body>
    </html>
  </xsl:template>

  <!-- The evidence behind the result: each check against its limit, the calibration, when and by what. -->
  <xsl:template match="details">
    <h2>Проверки приемлемости</h2>
    <xsl:choose>
      <xsl:when test="check">
        <table class="checks">
          <thead>
            <tr>
              <th>Что проверено</th>
              <th>Пункт</th>
              <th class="number">Значение, %</th>
              <th class="number">Предел, %</th>
              <th>Результат</th>
            </tr>
          </thead>
          <tbody>
            <xsl:apply-templates select="check"/>
          </tbody>
        </table>
      </xsl:when>
      <xsl:otherwise>
        <p class="aside">Проверки не выполнялись: расчёт не доведён до конца.</p>
      </xsl:otherwise>
    </xsl:choose>
    <xsl:apply-templates select="calibration"/>
    <xsl:call-template name="signatures"/>
    <p class="footer">
      <xsl:text>Отчёт составлен: </xsl:text>
      <span class="made"><xsl:value-of select="made"/></span>
      <xsl:text>. Модуль расчёта: версия </xsl:text>
      <span class="module"><xsl:value-of select="module"/></span>
      <xsl:text>.</xsl:text>
    </p>
    <xsl:if test="exact">
      <p class="footer verify">Отчёт можно проверить: recalc --verify</p>
      <!-- What a verification reads, kept in the page as a data block: browsers neither run nor show it, and
           it is printed nowhere. A copy, so every value stays escaped as the document holds it. -->
      <script type="application/xml" id="talvex-verification">
        <xsl:copy-of select="."/>
      </script>
    </xsl:if>
  </xsl:template>

  <xsl:template match="verdict">
    <xsl:choose>
      <xsl:when test=". = 'passed'">
        <p class="verdict passed">Соответствует требованиям методики</p>
      </xsl:when>
      <xsl:when test=". = 'failed'">
        <p class="verdict failed">Не соответствует требованиям методики</p>
      </xsl:when>
      <xsl:when test=". = 'incomplete'">
        <p class="verdict incomplete">Определение неполное: результат не подтверждён</p>
      </xsl:when>
    </xsl:choose>
  </xsl:template>

  <!-- Where the analyst and the reviewer sign the printed report. -->
  <xsl:template name="signatures">
    <div class="signatures">
      <p>Выполнил: ________________________ Дата: ______________</p>
      <p>Проверил: ________________________ Дата: ______________</p>
    </div>
  </xsl:template>

  <!-- Evidence beside the result, not a check: the method does not make the calibrated range one. -->
  <xsl:template match="analysis" mode="range">
    <p class="out-of-range">
      <xsl:text>Высота пика пробы вне диапазона градуировки (от </xsl:text>
      <xsl:value-of select="low"/>
      <xsl:value-of select="' до '"/>
      <xsl:value-of select="high"/>
      <xsl:text>)</xsl:text>
    </p>
  </xsl:template>

  <xsl:template match="check">
    <tr>
      <xsl:attribute name="class">
        <xsl:choose>
          <xsl:when test="passed = '1'">passed</xsl:when>
          <xsl:when test="passed = '0'">failed</xsl:when>
          <xsl:otherwise>unjudged</xsl:otherwise>
        </xsl:choose>
      </xsl:attribute>
      <td><xsl:value-of select="subject"/></td>
      <td class="time"><xsl:value-of select="clause"/></td>
      <td class="number">
        <!-- A check not judged compared nothing. -->
        <xsl:choose>
          <xsl:when test="string(number(value)) = 'NaN'">—</xsl:when>
          <xsl:otherwise><xsl:value-of select="value"/></xsl:otherwise>
        </xsl:choose>
      </td>
      <td class="number"><xsl:value-of select="limit"/></td>
      <td class="verdict">
        <xsl:choose>
          <xsl:when test="passed = '1'">пройдена</xsl:when>
          <xsl:when test="passed = '0'">&#x2716; не пройдена</xsl:when>
          <xsl:otherwise>не проверена</xsl:otherwise>
        </xsl:choose>
      </td>
    </tr>
  </xsl:template>

  <!-- The calibration as a chart of its levels, the line of the mean coefficient and the sample on it, then as
       numbers. -->
  <xsl:template match="calibration">
    <h2>Градуировка</h2>
    <xsl:variable name="blank" select="number(blank)"/>
    <xsl:variable name="kMean" select="number(kMean)"/>
    <xsl:variable name="analysis" select="../analysis"/>
    <!-- A level is drawn only when its content and its height less the blank are numbers. -->
    <xsl:variable name="points"
                  select="level[string(number(content)) != 'NaN' and string(number(height) - $blank) != 'NaN']"/>
    <xsl:variable name="lineDrawn" select="$kMean &gt; 0 and $kMean * 0 = 0"/>
    <!-- The sample lies on the line, where its height above the blank meets the mean coefficient. -->
    <xsl:variable name="sampleDrawn" select="$lineDrawn and string(number($analysis/net)) != 'NaN'"/>
    <xsl:choose>
      <xsl:when test="$points">
        <xsl:call-template name="chart">
          <xsl:with-param name="points" select="$points"/>
          <xsl:with-param name="blank" select="$blank"/>
          <xsl:with-param name="kMean" select="$kMean"/>
          <xsl:with-param name="lineDrawn" select="$lineDrawn"/>
          <xsl:with-param name="sampleDrawn" select="$sampleDrawn"/>
          <xsl:with-param name="net" select="number($analysis/net)"/>
          <xsl:with-param name="rangeDrawn" select="$analysis/inRange = '0'"/>
          <xsl:with-param name="low" select="number($analysis/low)"/>
          <xsl:with-param name="high" select="number($analysis/high)"/>
        </xsl:call-template>
        <xsl:if test="count($points) &lt; count(level)">
          <p class="aside">
            <xsl:text>Не на графике: </xsl:text>
            <xsl:apply-templates select="level[count(. | $points) != count($points)]" mode="missing">
              <xsl:with-param name="blank" select="$blank"/>
            </xsl:apply-templates>
            <xsl:text>.</xsl:text>
          </p>
        </xsl:if>
        <xsl:if test="not($lineDrawn)">
          <p class="aside">
            <xsl:text>Линия среднего коэффициента не построена</xsl:text>
            <xsl:if test="$analysis">, и проба не на графике</xsl:if>
            <xsl:text>: </xsl:text>
            <xsl:variable name="notPositive" select="level[not(number(coefficient) &gt; 0 and number(coefficient) * 0 = 0)]"/>
            <xsl:apply-templates select="$notPositive" mode="missing">
              <xsl:with-param name="blank" select="$blank"/>
            </xsl:apply-templates>
            <xsl:if test="not($notPositive)">
              <xsl:text>средний коэффициент (</xsl:text>
              <xsl:value-of select="kMean"/>
              <xsl:text>) не является положительным числом</xsl:text>
            </xsl:if>
            <xsl:text>.</xsl:text>
          </p>
        </xsl:if>
        <xsl:if test="$lineDrawn and $analysis and not($sampleDrawn)">
          <p class="aside">
            <xsl:text>Проба не на графике: у хроматограмм «</xsl:text>
            <xsl:choose>
              <xsl:when test="string(number($analysis/height)) = 'NaN'">анализ</xsl:when>
              <xsl:otherwise>осуш. анализ</xsl:otherwise>
            </xsl:choose>
            <xsl:text>» нет пиков воды.</xsl:text>
          </p>
        </xsl:if>
      </xsl:when>
      <xsl:otherwise>
        <p class="aside">
          <xsl:text>График не построен: </xsl:text>
          <xsl:apply-templates select="level" mode="missing">
            <xsl:with-param name="blank" select="$blank"/>
          </xsl:apply-templates>
          <xsl:text>.</xsl:text>
        </p>
      </xsl:otherwise>
    </xsl:choose>
    <table class="levels">
      <thead>
        <tr>
          <th class="number">Раствор</th>
          <th class="number">Масса растворителя</th>
          <th class="number">Содержание воды c</th>
          <th class="number">Высота H</th>
          <th class="number">Вводов</th>
          <th class="number">Коэффициент k</th>
          <th class="number">Отклонение k от среднего, %</th>
        </tr>
      </thead>
      <tbody>
        <xsl:for-each select="level">
          <tr>
            <td class="number"><xsl:value-of select="number"/></td>
            <td class="number"><xsl:value-of select="mass"/></td>
            <td class="number"><xsl:value-of select="content"/></td>
            <td class="number"><xsl:value-of select="height"/></td>
            <td class="number"><xsl:value-of select="injections"/></td>
            <td class="number"><xsl:value-of select="coefficient"/></td>
            <td class="number"><xsl:value-of select="deviation"/></td>
          </tr>
        </xsl:for-each>
      </tbody>
    </table>
    <p>
      <xsl:text>Высота осушенного экстрагента H</xsl:text><sub>0</sub><xsl:text>: </xsl:text>
      <xsl:value-of select="blank"/>
      <xsl:text>; средний коэффициент: </xsl:text>
      <xsl:value-of select="kMean"/>
      <xsl:text>. В анализе: осушенный экстрагент </xsl:text>
      <xsl:value-of select="$analysis/blank"/>
      <xsl:text>, проба </xsl:text>
      <xsl:value-of select="$analysis/height"/>
      <xsl:if test="string(number($analysis/net)) != 'NaN'">
        <xsl:text>, проба за вычетом осушенного экстрагента </xsl:text>
        <xsl:value-of select="$analysis/net"/>
      </xsl:if>
      <xsl:if test="string(number($analysis/low) + number($analysis/high)) != 'NaN'">
        <xsl:text>; диапазон градуировки H − H₀ от </xsl:text>
        <xsl:value-of select="$analysis/low"/>
        <xsl:value-of select="' до '"/>
        <xsl:value-of select="$analysis/high"/>
      </xsl:if>
      <xsl:text>.</xsl:text>
    </p>
  </xsl:template>

  <!-- Why a level is not on the chart, or has no coefficient for the mean: the first reason its values give. -->
  <xsl:template match="level" mode="missing">
    <xsl:param name="blank"/>
    <xsl:if test="position() != 1">; </xsl:if>
    <xsl:text>раствор </xsl:text>
    <xsl:value-of select="number"/>
    <xsl:value-of select="' — '"/>
    <xsl:choose>
      <xsl:when test="injections = '0'">нет пиков воды</xsl:when>
      <xsl:when test="not(number(mass) &gt; 0)">масса растворителя недействительна</xsl:when>
      <xsl:when test="string($blank) = 'NaN'">высота осушенного экстрагента не является числом</xsl:when>
      <xsl:when test="string(number(content) + number(height)) = 'NaN'">содержание воды или высота не являются числами</xsl:when>
      <xsl:otherwise>коэффициент не является положительным числом</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The plot area of the chart, in the SVG's own units; labels inside it never reach the tick labels
       outside it. -->
  <xsl:variable name="plotLeft" select="80"/>
  <xsl:variable name="plotTop" select="12"/>
  <xsl:variable name="plotWidth" select="480"/>
  <xsl:variable name="plotHeight" select="260"/>
  <!-- The widest label beside a point ("1, 2, 3", "проба") and the height of a line of text. -->
  <xsl:variable name="labelWidth" select="44"/>
  <xsl:variable name="labelHeight" select="12"/>

  <xsl:template name="chart">
    <xsl:param name="points"/>
    <xsl:param name="blank"/>
    <xsl:param name="kMean"/>
    <xsl:param name="lineDrawn"/>
    <xsl:param name="sampleDrawn"/>
    <xsl:param name="net"/>
    <xsl:param name="rangeDrawn"/>
    <xsl:param name="low"/>
    <xsl:param name="high"/>
    <xsl:variable name="sampleX" select="$kMean * $net"/>
    <!-- The extremes of what is drawn: the levels, the sample on the line and the calibrated range. -->
    <xsl:variable name="levelXHigh" select="number($points[not($points/content &gt; number(content))]/content)"/>
    <xsl:variable name="levelXLow" select="number($points[not($points/content &lt; number(content))]/content)"/>
    <xsl:variable name="levelYHigh" select="number($points[not($points/height &gt; number(height))]/height) - $blank"/>
    <xsl:variable name="levelYLow" select="number($points[not($points/height &lt; number(height))]/height) - $blank"/>
    <xsl:variable name="xHigh">
      <xsl:choose>
        <xsl:when test="$sampleDrawn and $sampleX &gt; $levelXHigh"><xsl:value-of select="$sampleX"/></xsl:when>
        <xsl:otherwise><xsl:value-of select="$levelXHigh"/></xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:variable name="xLow">
      <xsl:choose>
        <xsl:when test="$sampleDrawn and $sampleX &lt; $levelXLow"><xsl:value-of select="$sampleX"/></xsl:when>
        <xsl:otherwise><xsl:value-of select="$levelXLow"/></xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:variable name="yHigh">
      <xsl:choose>
        <xsl:when test="$sampleDrawn and $net &gt; $levelYHigh and not($rangeDrawn and $high &gt; $net)">
          <xsl:value-of select="$net"/>
        </xsl:when>
        <xsl:when test="$rangeDrawn and $high &gt; $levelYHigh"><xsl:value-of select="$high"/></xsl:when>
        <xsl:otherwise><xsl:value-of select="$levelYHigh"/></xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:variable name="yLow">
      <xsl:choose>
        <xsl:when test="$sampleDrawn and $net &lt; $levelYLow and not($rangeDrawn and $low &lt; $net)">
          <xsl:value-of select="$net"/>
        </xsl:when>
        <xsl:when test="$rangeDrawn and $low &lt; $levelYLow"><xsl:value-of select="$low"/></xsl:when>
        <xsl:otherwise><xsl:value-of select="$levelYLow"/></xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <!-- Both axes take in zero, so that the line through the origin starts on the chart. -->
    <xsl:variable name="xStep">
      <xsl:call-template name="tick-step">
        <xsl:with-param name="range" select="($xHigh * ($xHigh &gt; 0) - $xLow * ($xLow &lt; 0)) div 0.95"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:variable name="yStep">
      <xsl:call-template name="tick-step">
        <xsl:with-param name="range" select="($yHigh * ($yHigh &gt; 0) - $yLow * ($yLow &lt; 0)) div 0.95"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:variable name="x0" select="floor($xLow * ($xLow &lt; 0) div $xStep) * $xStep"/>
    <xsl:variable name="y0" select="floor($yLow * ($yLow &lt; 0) div $yStep) * $yStep"/>
    <xsl:variable name="x1">
      <xsl:call-template name="axis-end">
        <xsl:with-param name="high" select="number($xHigh)"/>
        <xsl:with-param name="first" select="$x0"/>
        <xsl:with-param name="step" select="number($xStep)"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:variable name="y1">
      <xsl:call-template name="axis-end">
        <xsl:with-param name="high" select="number($yHigh)"/>
        <xsl:with-param name="first" select="$y0"/>
        <xsl:with-param name="step" select="number($yStep)"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:variable name="xPower">
      <xsl:call-template name="axis-power">
        <xsl:with-param name="first" select="$x0"/>
        <xsl:with-param name="last" select="number($x1)"/>
        <xsl:with-param name="step" select="number($xStep)"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:variable name="yPower">
      <xsl:call-template name="axis-power">
        <xsl:with-param name="first" select="$y0"/>
        <xsl:with-param name="last" select="number($y1)"/>
        <xsl:with-param name="step" select="number($yStep)"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:variable name="xFactor">
      <xsl:call-template name="ten-to">
        <xsl:with-param name="power" select="number($xPower)"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:variable name="xScale" select="$plotWidth div ($x1 - $x0)"/>
    <xsl:variable name="yFactor">
      <xsl:call-template name="ten-to">
        <xsl:with-param name="power" select="number($yPower)"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:variable name="yScale" select="$plotHeight div ($y1 - $y0)"/>
    <xsl:variable name="xOrigin" select="$plotLeft - $x0 * $xScale"/>
    <xsl:variable name="yOrigin" select="$plotTop + $plotHeight + $y0 * $yScale"/>
    <div class="chart">
      <svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 580 316" width="580" height="316">
        <title>Градуировочная зависимость</title>
        <xsl:if test="$rangeDrawn">
          <rect class="range" x="{$plotLeft}" y="{format-number($yOrigin - $high * $yScale, '0.##')}"
                width="{$plotWidth}" height="{format-number(($high - $low) * $yScale, '0.##')}"
                fill="#e4e4e4" stroke="#999" stroke-width="0.5"/>
        </xsl:if>
        <xsl:call-template name="ticks">
          <xsl:with-param name="axis" select="'x'"/>
          <xsl:with-param name="value" select="$x0"/>
          <xsl:with-param name="step" select="number($xStep)"/>
          <xsl:with-param name="last" select="number($x1)"/>
          <xsl:with-param name="position" select="$plotLeft"/>
          <xsl:with-param name="scale" select="$xScale"/>
          <xsl:with-param name="factor" select="number($xFactor)"/>
        </xsl:call-template>
        <xsl:call-template name="ticks">
          <xsl:with-param name="axis" select="'y'"/>
          <xsl:with-param name="value" select="$y0"/>
          <xsl:with-param name="step" select="number($yStep)"/>
          <xsl:with-param name="last" select="number($y1)"/>
          <xsl:with-param name="position" select="$plotTop + $plotHeight"/>
          <xsl:with-param name="scale" select="$yScale"/>
          <xsl:with-param name="factor" select="number($yFactor)"/>
        </xsl:call-template>
        <rect x="{$plotLeft}" y="{$plotTop}" width="{$plotWidth}" height="{$plotHeight}"
              fill="none" stroke="#1a1a1a" stroke-width="1"/>
        <xsl:if test="$lineDrawn">
          <!-- y = x / kMean, from the origin to where it leaves the plot area. -->
          <xsl:variable name="xEnd">
            <xsl:choose>
              <xsl:when test="$x1 div $kMean &gt; $y1"><xsl:value-of select="$y1 * $kMean"/></xsl:when>
              <xsl:otherwise><xsl:value-of select="$x1"/></xsl:otherwise>
            </xsl:choose>
          </xsl:variable>
          <line class="mean" x1="{format-number($xOrigin, '0.##')}" y1="{format-number($yOrigin, '0.##')}"
                x2="{format-number($xOrigin + $xEnd * $xScale, '0.##')}"
                y2="{format-number($yOrigin - $xEnd div $kMean * $yScale, '0.##')}"
                stroke="#1a1a1a" stroke-width="1.5" stroke-dasharray="6 3"/>
        </xsl:if>
        <xsl:for-each select="$points">
          <xsl:variable name="cx" select="$xOrigin + number(content) * $xScale"/>
          <xsl:variable name="cy" select="$yOrigin - (number(height) - $blank) * $yScale"/>
          <xsl:variable name="c" select="number(content)"/>
          <xsl:variable name="h" select="number(height)"/>
          <circle class="level" cx="{format-number($cx, '0.##')}" cy="{format-number($cy, '0.##')}" r="5"
                  fill="#1a1a1a"/>
          <!-- Levels on the same spot share one label ("1, 2"), so that no number hides another. -->
          <xsl:if test="not(preceding-sibling::level[number(content) = $c and number(height) = $h])">
            <xsl:call-template name="point-label">
              <xsl:with-param name="cx" select="$cx"/>
              <xsl:with-param name="cy" select="$cy"/>
              <!-- Odd levels are labelled above the point, even ones below: neighbours 1 and 2 stay apart. -->
              <xsl:with-param name="below" select="number mod 2 = 0"/>
              <xsl:with-param name="class" select="'level'"/>
              <xsl:with-param name="text">
                <xsl:for-each select="$points[number(content) = $c and number(height) = $h]">
                  <xsl:if test="position() != 1">, </xsl:if>
                  <xsl:value-of select="number"/>
                </xsl:for-each>
              </xsl:with-param>
            </xsl:call-template>
          </xsl:if>
        </xsl:for-each>
        <xsl:if test="$sampleDrawn">
          <xsl:variable name="cx" select="$xOrigin + $sampleX * $xScale"/>
          <xsl:variable name="cy" select="$yOrigin - $net * $yScale"/>
          <rect class="sample" x="{format-number($cx - 5, '0.##')}" y="{format-number($cy - 5, '0.##')}"
                width="10" height="10" fill="#ffffff" stroke="#1a1a1a" stroke-width="1.5"/>
          <!-- Above and to the left: the line and the levels beside it run the other way. -->
          <xsl:call-template name="point-label">
            <xsl:with-param name="cx" select="$cx"/>
            <xsl:with-param name="cy" select="$cy"/>
            <xsl:with-param name="left" select="true()"/>
            <xsl:with-param name="class" select="'sample'"/>
            <xsl:with-param name="text" select="'проба'"/>
          </xsl:call-template>
        </xsl:if>
        <text class="x-title" x="{$plotLeft + $plotWidth div 2}" y="310" text-anchor="middle">
          <xsl:text>Содержание воды в растворе, c</xsl:text>
          <xsl:call-template name="times-power">
            <xsl:with-param name="power" select="string($xPower)"/>
          </xsl:call-template>
        </text>
        <text class="y-title" transform="translate(14 {$plotTop + $plotHeight div 2}) rotate(-90)" text-anchor="middle">
          <xsl:text>Высота за вычетом H₀, H − H₀</xsl:text>
          <xsl:call-template name="times-power">
            <xsl:with-param name="power" select="string($yPower)"/>
          </xsl:call-template>
        </text>
      </svg>
    </div>
    <!-- The legend names what is drawn and nothing else. -->
    <p class="legend">
      <xsl:choose>
        <xsl:when test="count($points) = 1">Точка — градуировочный раствор </xsl:when>
        <xsl:otherwise>Точки — градуировочные растворы </xsl:otherwise>
      </xsl:choose>
      <xsl:choose>
        <xsl:when test="count($points) = 4">1–4</xsl:when>
        <xsl:otherwise>
          <xsl:for-each select="$points">
            <xsl:if test="position() != 1">, </xsl:if>
            <xsl:value-of select="number"/>
          </xsl:for-each>
        </xsl:otherwise>
      </xsl:choose>
      <xsl:text> (H₀ — высота пика воды осушенного экстрагента)</xsl:text>
      <xsl:if test="$lineDrawn">
        <xsl:text>; штриховая линия — средний коэффициент: H − H₀ = c / </xsl:text>
        <xsl:value-of select="kMean"/>
      </xsl:if>
      <xsl:if test="$sampleDrawn">
        <xsl:text>; квадрат без заливки — проба, H − H₀ = </xsl:text>
        <xsl:value-of select="../analysis/net"/>
      </xsl:if>
      <xsl:if test="$rangeDrawn">; серая полоса — диапазон градуировки</xsl:if>
      <xsl:text>.</xsl:text>
    </p>
  </xsl:template>

  <!-- A label beside a point, inside the plot area, where no tick label can be: to the right (or, when
       asked, to the left) unless that leaves the plot; above (or, when asked, below) unless that leaves it. -->
  <xsl:template name="point-label" xmlns="http://www.w3.org/2000/svg">
    <xsl:param name="cx"/>
    <xsl:param name="cy"/>
    <xsl:param name="below" select="false()"/>
    <xsl:param name="left" select="false()"/>
    <xsl:param name="class"/>
    <xsl:param name="text"/>
    <xsl:variable name="toLeft"
                  select="($left and $cx - 9 - $labelWidth &gt;= $plotLeft)
                          or (not($left) and $cx + 9 + $labelWidth &gt; $plotLeft + $plotWidth)"/>
    <xsl:variable name="toBottom"
                  select="($below and $cy + 10 + $labelHeight &lt;= $plotTop + $plotHeight)
                          or (not($below) and $cy - 7 - $labelHeight &lt; $plotTop)"/>
    <text class="{$class}" x="{format-number($cx + 9 - 18 * $toLeft, '0.##')}"
          y="{format-number($cy - 7 + 23 * $toBottom, '0.##')}">
      <xsl:if test="$toLeft">
        <xsl:attribute name="text-anchor">end</xsl:attribute>
      </xsl:if>
      <xsl:value-of select="$text"/>
    </text>
  </xsl:template>

  <!-- " × 10ⁿ" after an axis title when its numbers are divided by a power of ten. -->
  <xsl:template name="times-power">
    <xsl:param name="power"/>
    <xsl:if test="$power != ''">
      <xsl:value-of select="' × 10'"/>
      <xsl:value-of select="translate($power, '-0123456789', '⁻⁰¹²³⁴⁵⁶⁷⁸⁹')"/>
    </xsl:if>
  </xsl:template>

  <!-- The last tick: at least 5 % of the axis beyond the highest value (so that no point sits on the frame),
       and at least one step beyond the first tick. -->
  <xsl:template name="axis-end">
    <xsl:param name="high"/>
    <xsl:param name="first"/>
    <xsl:param name="step"/>
    <xsl:variable name="end" select="ceiling(($high * ($high &gt; 0) - 0.05 * $first) div 0.95 div $step) * $step"/>
    <xsl:value-of select="$end + ($end - $first &lt; $step div 2) * $step"/>
  </xsl:template>

  <!-- The power of ten an axis' numbers are divided by: that of its largest tick, when that tick written out
       would need more than five digits; empty otherwise. -->
  <xsl:template name="axis-power">
    <xsl:param name="first"/>
    <xsl:param name="last"/>
    <xsl:param name="step"/>
    <xsl:variable name="largestPower">
      <xsl:call-template name="exponent">
        <xsl:with-param name="value" select="$last * ($last &gt;= -$first) - $first * (-$first &gt; $last)"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:variable name="stepPower">
      <xsl:call-template name="exponent">
        <xsl:with-param name="value" select="$step"/>
      </xsl:call-template>
    </xsl:variable>
    <!-- Integer digits ("0" for less than one), then the decimals the step needs. -->
    <xsl:if test="($largestPower + 1) * ($largestPower &gt;= 0) + ($largestPower &lt; 0) - $stepPower * ($stepPower &lt; 0) &gt; 5">
      <xsl:value-of select="$largestPower"/>
    </xsl:if>
  </xsl:template>

  <!-- The power of ten of a positive number's first digit (0.00347 gives -3), allowing for rounding in the
       steps that made it; the depth bound keeps the recursion finite. -->
  <xsl:template name="exponent">
    <xsl:param name="value"/>
    <xsl:param name="power" select="0"/>
    <xsl:choose>
      <xsl:when test="not($power &gt; -330 and $power &lt; 330)"><xsl:value-of select="$power"/></xsl:when>
      <xsl:when test="$value * 1.000000001 &gt;= 10">
        <xsl:call-template name="exponent">
          <xsl:with-param name="value" select="$value div 10"/>
          <xsl:with-param name="power" select="$power + 1"/>
        </xsl:call-template>
      </xsl:when>
      <xsl:when test="$value * 1.000000001 &lt; 1">
        <xsl:call-template name="exponent">
          <xsl:with-param name="value" select="$value * 10"/>
          <xsl:with-param name="power" select="$power - 1"/>
        </xsl:call-template>
      </xsl:when>
      <xsl:otherwise><xsl:value-of select="$power"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- Ten to a whole power; one for none. -->
  <xsl:template name="ten-to">
    <xsl:param name="power"/>
    <xsl:choose>
      <xsl:when test="not($power &gt; 0 or $power &lt; 0)">1</xsl:when>
      <xsl:otherwise>
        <xsl:variable name="rest">
          <xsl:call-template name="ten-to">
            <xsl:with-param name="power" select="$power - ($power &gt; 0) + ($power &lt; 0)"/>
          </xsl:call-template>
        </xsl:variable>
        <xsl:value-of select="$rest * 10 * ($power &gt; 0) + $rest div 10 * ($power &lt; 0)"/>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- A round step for about five ticks over the range: 1, 2 or 5 times a power of ten. -->
  <xsl:template name="tick-step">
    <xsl:param name="range"/>
    <xsl:choose>
      <xsl:when test="not($range &gt; 0)">1</xsl:when>
      <xsl:otherwise>
        <xsl:variable name="power">
          <xsl:call-template name="power-of-ten">
            <xsl:with-param name="target" select="$range div 5"/>
            <xsl:with-param name="power" select="1"/>
          </xsl:call-template>
        </xsl:variable>
        <xsl:choose>
          <xsl:when test="$power &gt;= $range div 5"><xsl:value-of select="$power"/></xsl:when>
          <xsl:when test="2 * $power &gt;= $range div 5"><xsl:value-of select="2 * $power"/></xsl:when>
          <xsl:when test="5 * $power &gt;= $range div 5"><xsl:value-of select="5 * $power"/></xsl:when>
          <xsl:otherwise><xsl:value-of select="10 * $power"/></xsl:otherwise>
        </xsl:choose>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The largest power of ten not above the target (the depth bound keeps the recursion finite). -->
  <xsl:template name="power-of-ten">
    <xsl:param name="target"/>
    <xsl:param name="power"/>
    <xsl:param name="depth" select="0"/>
    <xsl:choose>
      <xsl:when test="$depth &gt; 40"><xsl:value-of select="$power"/></xsl:when>
      <xsl:when test="$power &gt; $target">
        <xsl:call-template name="power-of-ten">
          <xsl:with-param name="target" select="$target"/>
          <xsl:with-param name="power" select="$power div 10"/>
          <xsl:with-param name="depth" select="$depth + 1"/>
        </xsl:call-template>
      </xsl:when>
      <xsl:when test="$power * 10 &lt;= $target">
        <xsl:call-template name="power-of-ten">
          <xsl:with-param name="target" select="$target"/>
          <xsl:with-param name="power" select="$power * 10"/>
          <xsl:with-param name="depth" select="$depth + 1"/>
        </xsl:call-template>
      </xsl:when>
      <xsl:otherwise><xsl:value-of select="$power"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- A tick with its grid line and label at each step from value to last along one axis. -->
  <xsl:template name="ticks" xmlns="http://www.w3.org/2000/svg">
    <xsl:param name="axis"/>
    <xsl:param name="value"/>
    <xsl:param name="step"/>
    <xsl:param name="last"/>
    <xsl:param name="position"/>
    <xsl:param name="scale"/>
    <!-- What the axis' numbers are divided by. -->
    <xsl:param name="factor" select="1"/>
    <xsl:param name="index" select="0"/>
    <!-- Counted from the first tick, so that rounding does not add up along the axis. -->
    <xsl:variable name="tick" select="$value + $index * $step"/>
    <xsl:if test="$tick &lt;= $last + $step div 1000 and $index &lt;= 20">
      <!-- At most five digits; "+ 0" turns the negative zero of a rounded tick into zero. -->
      <xsl:variable name="label" select="format-number(round($tick div $factor * 10000) div 10000 + 0, '0.####')"/>
      <xsl:choose>
        <xsl:when test="$axis = 'x'">
          <xsl:variable name="at" select="format-number($position + $index * $step * $scale, '0.##')"/>
          <line x1="{$at}" y1="{$plotTop}" x2="{$at}" y2="{$plotTop + $plotHeight + 5}" stroke="#ccc"/>
          <text class="x-tick" x="{$at}" y="{$plotTop + $plotHeight + 18}" text-anchor="middle">
            <xsl:value-of select="$label"/>
          </text>
        </xsl:when>
        <xsl:otherwise>
          <xsl:variable name="at" select="format-number($position - $index * $step * $scale, '0.##')"/>
          <line x1="{$plotLeft - 5}" y1="{$at}" x2="{$plotLeft + $plotWidth}" y2="{$at}" stroke="#ccc"/>
          <text class="y-tick" x="{$plotLeft - 8}" y="{$at + 4}" text-anchor="end">
            <xsl:value-of select="$label"/>
          </text>
        </xsl:otherwise>
      </xsl:choose>
      <xsl:call-template name="ticks">
        <xsl:with-param name="axis" select="$axis"/>
        <xsl:with-param name="value" select="$value"/>
        <xsl:with-param name="step" select="$step"/>
        <xsl:with-param name="last" select="$last"/>
        <xsl:with-param name="position" select="$position"/>
        <xsl:with-param name="scale" select="$scale"/>
        <xsl:with-param name="factor" select="$factor"/>
        <xsl:with-param name="index" select="$index + 1"/>
      </xsl:call-template>
    </xsl:if>
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
        <!-- The start of the file's fingerprint, enough to tell it apart by eye; recalc compares the whole. -->
        <xsl:for-each select="../../details/injections/injection[number = current()/*[1]][sha256 != '']">
          <div class="fingerprint">
            <xsl:text>SHA-256 </xsl:text>
            <xsl:value-of select="substring(sha256, 1, 12)"/>
            <xsl:text>…</xsl:text>
          </div>
        </xsl:for-each>
      </td>
      <td><xsl:value-of select="*[3]"/></td>
      <td><xsl:value-of select="*[4]"/></td>
      <td><xsl:value-of select="*[5]"/></td>
      <td><xsl:value-of select="*[6]"/></td>
      <xsl:if test="../../details/injections">
        <td class="number">
          <xsl:for-each select="../../details/injections/injection[number = current()/*[1]]/height">
            <xsl:if test="position() != 1"><br/></xsl:if>
            <xsl:value-of select="."/>
          </xsl:for-each>
          <xsl:if test="not(../../details/injections/injection[number = current()/*[1]]/height)">—</xsl:if>
        </td>
      </xsl:if>
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
