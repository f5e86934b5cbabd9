<?xml version="1.0"?>
<t:stylesheet version="1.0" xmlns:t="http://www.w3.org/1999/XSL/Transform" xmlns:m="urn:schemas-microsoft-com:xslt">
  <m:script language="JScript">1</m:script>
  <t:include href="other.xsl"/>
  <t:template match="/"><a href="{document ('c:/secret')}"/></t:template>
</t:stylesheet>
