<?xml version="1.0"?>
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:template match="/">
    <xsl:value-of select="'a document (draft)'"/>
    <xsl:element name="it's {concat(&quot;document (&quot;, document('x'))}"/>
  </xsl:template>
</xsl:stylesheet>
