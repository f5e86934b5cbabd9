<?xml version="1.0"?>
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform" xmlns:saxon="http://icl.com/saxon"
    xmlns:exsl="http://exslt.org/common" extension-element-prefixes="saxon">
  <xsl:template match="/">
    <saxon:output href="written.html"><p/></saxon:output>
    <out xsl:extension-element-prefixes="exsl"><exsl:document href="written2.html"><p/></exsl:document></out>
  </xsl:template>
</xsl:stylesheet>
