<?xml version="1.0" encoding="UTF-8"?>
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="xml" omit-xml-declaration="yes"/>
  <xsl:template match="/"><html><body title="{concat('}', Document/water)}">&#160;<xsl:value-of select="Document/water"/></body></html></xsl:template>
</xsl:stylesheet>
