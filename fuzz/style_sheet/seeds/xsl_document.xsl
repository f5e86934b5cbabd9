<?xml version="1.0"?>
<xsl:stylesheet version="1.1" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:template match="/"><xsl:document href="file:///c:/written.html"><p/></xsl:document></xsl:template>
</xsl:stylesheet>
